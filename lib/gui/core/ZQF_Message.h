// ZQF_Message.h: the messages dispatched into a glyph tree, and their
// families. A message class decides three things: the router that carries it
// when the sender names none (GetDefaultRouter), the glyph handler that is
// offered it (CheckHandler), and the data it carries. Senders build messages
// on the stack, dispatch them (ZQF_Glyph::Dispatch) and read the result; one
// object dispatched again must be Reset first. A handler claims a message
// once (SetHandled); the router then records the handling glyph.
// Message classes of other parts derive from the family classes below and
// keep their CheckHandler. UI thread only.
#ifndef ZQF_MESSAGE_H
#define ZQF_MESSAGE_H

#include "ZQF_Help.h"
#include "ZQ_Array.h"
#include "ZQ_Iterator.h"
#include "ZQ_Point.h"

class ZQF_Glyph;
class ZQF_MessageRouter;

class ZQF_Message {
 public:
  ZQF_Message() = default;
  virtual ~ZQF_Message();

  virtual ZQF_MessageRouter* GetDefaultRouter() = 0;
  // Offers the message to Glyph's handler for this kind of message.
  virtual void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) = 0;
  // Makes the message dispatchable again: not handled, no dispatching or
  // handling glyph. The serial stays. Subclasses clear their answers too.
  virtual void Reset();

  bool IsHandled() const { return Handled; }
  // Asserts "not Handled": a message is handled once.
  void SetHandled();
  // The first glyph recorded stays.
  void SetHandlingGlyph(ZQF_Glyph* Glyph);
  // Asserts "Handled" and "HandlingGlyph".
  ZQF_Glyph* GetHandlingGlyph() const;
  ZQF_Glyph* GetDispatchingGlyph() const { return DispatchingGlyph; }
  unsigned long GetSerialNumber() const { return Serial; }
  // Dispatch's stamp; asserts "DispatchingGlyph == NULL".
  void Stamp(ZQF_Glyph* Dispatcher, unsigned long SerialNumber);

 private:
  bool Handled = false;
  unsigned long Serial = 0;
  ZQF_Glyph* DispatchingGlyph = nullptr;
  ZQF_Glyph* HandlingGlyph = nullptr;
};

// The Shift, Control and Alt keys as they were when a message was built.
struct ZQF_ModifierKeys {
  bool Shift = false;
  bool Control = false;
  bool Alt = false;

  // Each wish is 0 (the key must be up), 1 (down) or 2 (either).
  bool Matches(int ShiftWish, int ControlWish, int AltWish) const;
};

// A framework key code: one of the non-character keys below (1 to 29), a
// character code (32 to 255), or, on key-down while Control is held and on
// every key-up, the upper-case letter or digit itself ('A'-'Z', '0'-'9').
typedef unsigned char ZQF_KeyCode;

constexpr ZQF_KeyCode ZQF_Key_PageUp = 1;
constexpr ZQF_KeyCode ZQF_Key_PageDown = 2;
constexpr ZQF_KeyCode ZQF_Key_Home = 3;
constexpr ZQF_KeyCode ZQF_Key_End = 4;
constexpr ZQF_KeyCode ZQF_Key_Insert = 5;
constexpr ZQF_KeyCode ZQF_Key_Delete = 6;
constexpr ZQF_KeyCode ZQF_Key_Shift = 7;
constexpr ZQF_KeyCode ZQF_Key_Backspace = 8;
constexpr ZQF_KeyCode ZQF_Key_Tab = 9;
constexpr ZQF_KeyCode ZQF_Key_Control = 10;
constexpr ZQF_KeyCode ZQF_Key_Left = 11;
constexpr ZQF_KeyCode ZQF_Key_Alt = 12;
constexpr ZQF_KeyCode ZQF_Key_Enter = 13;
constexpr ZQF_KeyCode ZQF_Key_Right = 14;
constexpr ZQF_KeyCode ZQF_Key_Up = 15;
constexpr ZQF_KeyCode ZQF_Key_Down = 16;
constexpr ZQF_KeyCode ZQF_Key_F1 = 17;
constexpr ZQF_KeyCode ZQF_Key_F2 = 18;
constexpr ZQF_KeyCode ZQF_Key_F3 = 19;
constexpr ZQF_KeyCode ZQF_Key_F4 = 20;
constexpr ZQF_KeyCode ZQF_Key_F5 = 21;
constexpr ZQF_KeyCode ZQF_Key_F6 = 22;
constexpr ZQF_KeyCode ZQF_Key_F7 = 23;
constexpr ZQF_KeyCode ZQF_Key_F8 = 24;
constexpr ZQF_KeyCode ZQF_Key_F9 = 25;
constexpr ZQF_KeyCode ZQF_Key_F10 = 26;
// Escape keeps its ASCII value, so F11 and F12 come after it.
constexpr ZQF_KeyCode ZQF_Key_Escape = 27;
constexpr ZQF_KeyCode ZQF_Key_F11 = 28;
constexpr ZQF_KeyCode ZQF_Key_F12 = 29;
// Space arrives on key-down as the character; its key-up carries this code.
constexpr ZQF_KeyCode ZQF_Key_Space = 32;

class ZQF_KeyMessage : public ZQF_Message {
 public:
  ZQF_KeyMessage(ZQF_KeyCode KeyCode, bool Shift, bool Control, bool Alt)
      : KeyCode(KeyCode), Keys{Shift, Control, Alt} {}
  ZQF_MessageRouter* GetDefaultRouter() override;

  ZQF_KeyCode GetKeyCode() const { return KeyCode; }
  void SetKeyCode(ZQF_KeyCode Code) { KeyCode = Code; }
  const ZQF_ModifierKeys& GetModifierKeys() const { return Keys; }
  void SetModifierKeys(const ZQF_ModifierKeys& Modifiers) { Keys = Modifiers; }
  bool MatchesModifierKeys(int Shift, int Control, int Alt) const {
    return Keys.Matches(Shift, Control, Alt);
  }

 private:
  ZQF_KeyCode KeyCode;
  ZQF_ModifierKeys Keys;
};

class ZQF_DownKeyMessage : public ZQF_KeyMessage {
 public:
  using ZQF_KeyMessage::ZQF_KeyMessage;
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
};

class ZQF_UpKeyMessage : public ZQF_KeyMessage {
 public:
  using ZQF_KeyMessage::ZQF_KeyMessage;
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
};

class ZQF_MouseMessage : public ZQF_Message {
 public:
  // X and Y in the window's client coordinates.
  ZQF_MouseMessage(long X, long Y, bool Shift, bool Control, bool Alt)
      : X(X), Y(Y), Keys{Shift, Control, Alt} {}
  ZQF_MessageRouter* GetDefaultRouter() override;

  long GetX() const { return X; }
  long GetY() const { return Y; }
  ZQ_Point<long> GetPosition() const { return ZQ_Point<long>(X, Y); }
  const ZQF_ModifierKeys& GetModifierKeys() const { return Keys; }
  bool MatchesModifierKeys(int Shift, int Control, int Alt) const {
    return Keys.Matches(Shift, Control, Alt);
  }

 private:
  long X;
  long Y;
  ZQF_ModifierKeys Keys;
};

// The mouse messages, one class per glyph handler.
#define ZQF_DECLARE_MOUSE_MESSAGE(Name)                                  \
  class Name : public ZQF_MouseMessage {                                 \
   public:                                                               \
    using ZQF_MouseMessage::ZQF_MouseMessage;                            \
    void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;        \
  };
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_LeftDownMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_LeftDoubleClickMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_LeftUpMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_RightDownMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_RightDoubleClickMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_RightUpMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_MiddleDownMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_MiddleDoubleClickMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_MiddleUpMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_MoveMouseMessage)
ZQF_DECLARE_MOUSE_MESSAGE(ZQF_SetCursorMouseMessage)
#undef ZQF_DECLARE_MOUSE_MESSAGE

class ZQF_WheelMouseMessage : public ZQF_MouseMessage {
 public:
  // Direction 1: the wheel turned toward the user, 0 away. Notches >= 1.
  ZQF_WheelMouseMessage(long X, long Y, bool Shift, bool Control, bool Alt, long Direction,
                        long Notches)
      : ZQF_MouseMessage(X, Y, Shift, Control, Alt), Direction(Direction), Notches(Notches) {}
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
  long GetDirection() const { return Direction; }
  long GetNumNotches() const { return Notches; }

 private:
  long Direction;
  long Notches;
};

class ZQF_FocusChangeMessage : public ZQF_Message {
 public:
  enum { Change_Lost = 0, Change_Gained = 1 };
  // Scope_Window: the window gained or lost the keyboard focus; Scope_Tree:
  // the focus moved within the window's glyph tree.
  enum { Scope_Window = 0, Scope_Tree = 1 };

  ZQF_FocusChangeMessage(long Change, long Scope) : Change(Change), Scope(Scope) {}
  ZQF_MessageRouter* GetDefaultRouter() override;
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
  long GetChange() const { return Change; }
  long GetScope() const { return Scope; }
  bool IsGained() const { return Change == Change_Gained; }

 private:
  long Change;
  long Scope;
};

class ZQF_CommandMessage : public ZQF_Message {
 public:
  ZQF_MessageRouter* GetDefaultRouter() override;
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
};

class ZQF_UpdateMessage : public ZQF_Message {
 public:
  ZQF_MessageRouter* GetDefaultRouter() override;
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
};

class ZQF_NotificationMessage : public ZQF_Message {
 public:
  ZQF_MessageRouter* GetDefaultRouter() override;
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
};

class ZQF_GenericMessage : public ZQF_Message {
 public:
  ZQF_MessageRouter* GetDefaultRouter() override;
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;
};

// Collects help topics from every glyph on its route; glyphs add them on the
// first try and never claim the message.
class ZQF_HelpMessage : public ZQF_Message {
 public:
  void CheckHandler(ZQF_Glyph* Glyph, bool SecondTry) override;

  // Appends a copy, growing the array to max (2 x capacity, 2 x count + 2)
  // when it is full.
  void AddTopic(const ZQF_Help_TopicType& Topic);
  // The topics in the order added.
  ZQ_ReadOnlyIterator<ZQF_Help_TopicType> GetTopics();
  long GetNumTopics() const { return NumTopics; }

 private:
  long NumTopics = 0;
  ZQ_Array<ZQF_Help_TopicType> Topics;
};

// Help on the glyphs of the focus path (F1).
class ZQF_KeyHelpMessage : public ZQF_HelpMessage {
 public:
  ZQF_MessageRouter* GetDefaultRouter() override;
};

// Help on the glyphs under the mouse (what's-this).
class ZQF_MouseHelpMessage : public ZQF_HelpMessage {
 public:
  ZQF_MessageRouter* GetDefaultRouter() override;
};

#endif
