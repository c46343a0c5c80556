// ZQR_Clipboard.h: text on the Windows clipboard, in CF_TEXT, byte for byte:
// line ends are not converted either way (the text edit control relies on
// it). Failed calls, a clipboard that another program holds open among them,
// throw ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQR_CLIPBOARD_H
#define ZQR_CLIPBOARD_H

#include "ZQ_String.h"

class ZQR_Clipboard {
 public:
  // Replaces the clipboard's contents by Text, up to its first NUL.
  static void SetContents(const ZQ_String& Text);
  // The clipboard's text; empty when it holds none.
  static ZQ_String GetContentsAsText();
  // True when the clipboard holds text (of any program, in any text format
  // Windows converts to CF_TEXT).
  static bool ContentsAvailableAsText();
};

#endif
