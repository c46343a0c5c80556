// ZQF_MnemonicQueryMessage.h: the question a dialog asks a glyph about a
// typed mnemonic character: with Apply false whether the glyph carries it (the
// glyph marks the message handled), with Apply true to carry it out. It is
// offered only to the glyph it is dispatched to, on both tries. Also the two
// rules on label texts: "&" marks the next character, "&&" is one "&".
#ifndef ZQF_MNEMONICQUERYMESSAGE_H
#define ZQF_MNEMONICQUERYMESSAGE_H

#include "ZQF_Message.h"
#include "ZQ_String.h"

class ZQF_MnemonicQueryMessage : public ZQF_GenericMessage {
 public:
  ZQF_MnemonicQueryMessage(char Character, bool Apply) : Apply(Apply), Character(Character) {}
  ZQF_MessageRouter* GetDefaultRouter() override;
  bool MatchesLabel(const ZQ_String& Text) const;
  bool IsApply() const { return Apply; }
  char GetCharacter() const { return Character; }

 private:
  bool Apply;
  char Character;
};

// True when any single "&" of the text (read left to right, "&&" being a
// literal pair) is followed by C, either case.
bool ZQF_HasMnemonicCharacter(const ZQ_String& Text, char C);
// The text without its markers: "&x" gives "x", "&&" one "&", a final lone
// "&" goes.
ZQ_String ZQF_StripMnemonicAmpersands(const ZQ_String& Text);

#endif
