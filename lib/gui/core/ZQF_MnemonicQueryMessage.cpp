// Mnemonic queries and the rules on label texts.
#include "ZQF_MnemonicQueryMessage.h"

#include "ZQF_MessageRouter.h"

#include <cctype>

ZQF_MessageRouter* ZQF_MnemonicQueryMessage::GetDefaultRouter() {
  return ZQF_GetSingleGlyphRouter();
}

bool ZQF_MnemonicQueryMessage::MatchesLabel(const ZQ_String& Text) const {
  return ZQF_HasMnemonicCharacter(Text, Character);
}

// Scans left to right: "&&" is a literal pair, a single "&" marks the next
// character, so "&&&x" and "A&&x &x" carry x and "&&x" does not.
bool ZQF_HasMnemonicCharacter(const ZQ_String& Text, char C) {
  const int wanted = std::tolower(static_cast<unsigned char>(C));
  const int n = Text.GetLength();
  for (int i = 0; i + 1 < n; ++i) {
    if (Text[i] != '&') continue;
    const char next = Text[i + 1];
    if (next != '&' && std::tolower(static_cast<unsigned char>(next)) == wanted) return true;
    ++i;  // the pair, or the marked character, is consumed
  }
  return false;
}

ZQ_String ZQF_StripMnemonicAmpersands(const ZQ_String& Text) {
  if (Text.Find('&') < 0) return Text;
  ZQ_String stripped;
  const int n = Text.GetLength();
  for (int i = 0; i < n; ++i) {
    if (Text[i] == '&') {
      if (++i >= n) break;
    }
    stripped += Text[i];
  }
  return stripped;
}
