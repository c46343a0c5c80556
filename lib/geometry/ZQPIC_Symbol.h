// ZQPIC_Symbol.h: a point symbol as settings keep it: its text form. In the
// settings registry a symbol is a ZQ_RegString under its key; old settings
// files hold it as an item of class id 25 (ZQPIC_RegSymbol_Legacy1), which
// is converted to the current form when its folder is read. Nothing here
// throws but the binary reading of damaged data. One thread only.
#ifndef ZQPIC_SYMBOL_H
#define ZQPIC_SYMBOL_H

#include "ZQ_RegValueItem.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_String.h"

class ZQPIC_Symbol {
 public:
  ZQPIC_Symbol() = default;
  explicit ZQPIC_Symbol(const ZQ_String& Text) : Text(Text) {}

  const ZQ_String& GetText() const { return Text; }
  bool operator==(const ZQPIC_Symbol& Other) const { return Text == Other.Text; }
  bool operator!=(const ZQPIC_Symbol& Other) const { return !(*this == Other); }

 private:
  ZQ_String Text;
};

// Legacy symbol: the class id, then the symbol's text (string).
class ZQPIC_RegSymbol_Legacy1 : public ZQ_RegValueItem<ZQ_String, 25> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes the current form; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

// Stores Symbol's text as a string under Key, replacing an item of another
// class.
void ZQPIC_SetSymbol(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQPIC_Symbol& Symbol);
// The symbol of an old symbol item under Key, else the string under Key as
// a symbol, else Default.
ZQPIC_Symbol ZQPIC_GetSymbol(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                             const ZQPIC_Symbol& Default);

// The module's stage callback; symbols keep no global state, so it does
// nothing at any stage. Registered by the module.
void ZQPIC_Symbol_InitializationServiceCallback(int Stage);

#endif
