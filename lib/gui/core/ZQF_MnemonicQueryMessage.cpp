// Mnemonic queries and the rules on label texts.
#include "ZQF_MnemonicQueryMessage.h"

#include "ZQF_MessageRouter.h"

ZQF_MessageRouter* ZQF_MnemonicQueryMessage::GetDefaultRouter() {
  return ZQF_GetSingleGlyphRouter();
}

bool ZQF_MnemonicQueryMessage::MatchesLabel(const ZQ_String& Text) const {
  return ZQF_HasMnemonicCharacter(Text, Character);
}

bool ZQF_HasMnemonicCharacter(const ZQ_String& Text, char C) {
  ZQ_String pattern("&");
  pattern += C;
  const int at = Text.Find(pattern, 0, true);
  if (at < 0) return false;
  return at == 0 || Text[at - 1] != '&';
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
