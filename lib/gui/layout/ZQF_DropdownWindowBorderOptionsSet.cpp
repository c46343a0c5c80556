#include "ZQF_DropdownWindowBorderOptionsSet.h"

ZQF_DropdownWindowBorderOptionsSet::~ZQF_DropdownWindowBorderOptionsSet() = default;
