#include "ZQF_Help.h"

#include <memory>

#include "ZQF_Message.h"
#include "ZQ_StringStream.h"
#include "ZQ_StringSubs.h"

namespace {

long s_lastSequenceNumber = 0;

ZQF_Help_Module& RegisteredModule() {
  static ZQF_Help_Module s_module;
  return s_module;
}

// The run of Text from At up to the next "," or ";" or the end.
int RunEnd(const ZQ_String& Text, int At) {
  while (At < Text.GetLength() && Text[At] != ',' && Text[At] != ';') ++At;
  return At;
}

bool StartsNumber(char First) {
  return First == '+' || First == '-' || First == '.' || (First >= '0' && First <= '9') ||
         First == 'E' || First == 'e';
}

// The priority a run gives; ZQ_NoMatch when it does not convert.
long RunPriority(const ZQ_String& Text, int Begin, int End) {
  const int length = End - Begin;
  if (length > 255) return ZQ_NoMatch;
  bool error = false;
  const long value = ZQ_StringSubs::StringToInt32(Text.GetText() + Begin, length, error);
  return error ? ZQ_NoMatch : value;
}

}  // namespace

ZQF_Help_TopicType::ZQF_Help_TopicType() : SequenceNumber(0), Priority(ZQ_NoMatch) {}

ZQF_Help_TopicType::ZQF_Help_TopicType(const ZQ_String& Name, long Priority)
    : Name(Name), SequenceNumber(++s_lastSequenceNumber), Priority(Priority) {}

bool ZQF_Help_TopicType::operator<(const ZQF_Help_TopicType& Other) const {
  if (Priority != Other.Priority) return Priority < Other.Priority;
  return SequenceNumber < Other.SequenceNumber;
}

void ZQF_Help_AppendTopic(ZQ_String& Topics, const ZQ_String& Name, int Priority) {
  ZQ_StringStream text;
  text << Topics;
  if (!Topics.IsEmpty()) text << ";";
  text << Name;
  if (Priority != 0) text << "," << static_cast<long>(Priority);
  Topics = text;
}

void ZQF_Help_HandleHelpMessage(const ZQ_String& Topics, ZQF_HelpMessage& Message,
                                bool SecondTry) {
  if (SecondTry) return;
  int at = 0;
  const int length = Topics.GetLength();
  while (at < length) {
    const int idEnd = RunEnd(Topics, at);
    const ZQ_String id(Topics.GetText() + at, idEnd - at);
    at = idEnd;
    long priority = 0;
    while (at < length && Topics[at] == ',') {
      const int runEnd = RunEnd(Topics, ++at);
      if (runEnd > at && StartsNumber(Topics[at])) priority = RunPriority(Topics, at, runEnd);
      at = runEnd;
    }
    if (at < length && Topics[at] == ';') ++at;
    Message.AddTopic(ZQF_Help_TopicType(id, priority));
  }
}

ZQF_Help_Module ZQF_Help_RegisterModule(const ZQF_Help_Module& Module) {
  const ZQF_Help_Module previous = RegisteredModule();
  RegisteredModule() = Module;
  return previous;
}

bool ZQF_Help_HelpAvailable() {
  const ZQF_Help_Module& module = RegisteredModule();
  return module.HelpAvailable && module.HelpAvailable();
}

void ZQF_Help_DisplayTopics(ZQ_ReadOnlyIterator<ZQF_Help_TopicType>* Topics) {
  const std::unique_ptr<ZQ_ReadOnlyIterator<ZQF_Help_TopicType> > owned(Topics);
  const ZQF_Help_Module& module = RegisteredModule();
  if (module.DisplayTopics) module.DisplayTopics(*owned);
}

void ZQF_Help_DisplayContents() {
  const ZQF_Help_Module& module = RegisteredModule();
  if (module.DisplayContents) module.DisplayContents();
}
