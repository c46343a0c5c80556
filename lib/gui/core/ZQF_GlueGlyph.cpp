// The glue base.
#include "ZQF_GlueGlyph.h"

ZQF_GlueGlyph::~ZQF_GlueGlyph() = default;

void ZQF_GlueGlyph::UpdateMyDesiredSize() { DesiredSize.MakeValid(); }
