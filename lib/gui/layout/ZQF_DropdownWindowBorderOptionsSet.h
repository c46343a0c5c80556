// ZQF_DropdownWindowBorderOptionsSet.h: the options of the border around a
// dropdown's open list. The dropdown configures it right after construction
// (no title bar, buttons, bands, margins or size grip; not movable; the
// raised edge alone, resizable as the dropdown says); the class itself
// changes no value.
#ifndef ZQF_DROPDOWNWINDOWBORDEROPTIONSSET_H
#define ZQF_DROPDOWNWINDOWBORDEROPTIONSSET_H

#include "ZQF_WindowBorderGlyphOptionsSet.h"

class ZQF_DropdownWindowBorderOptionsSet : public ZQF_WindowBorderGlyphOptionsSet {
 public:
  ~ZQF_DropdownWindowBorderOptionsSet() override;
};

#endif
