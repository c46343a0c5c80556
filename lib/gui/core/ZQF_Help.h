// ZQF_Help.h: what the glyph core needs of the help system. Help topics are
// kept as a topic list text: items separated by ";", each a topic id,
// optionally followed by "," and a priority ("a;b,5;c,-100"). The text
// functions are complete here. Showing help belongs to the help module,
// which registers its functions (ZQF_Help_RegisterModule) from a static
// initialiser; until then help is unavailable and showing it does nothing.
// UI thread only.
#ifndef ZQF_HELP_H
#define ZQF_HELP_H

#include "ZQ_Iterator.h"
#include "ZQ_String.h"

class ZQF_HelpMessage;

// One help topic. Topics order by priority, then by construction.
class ZQF_Help_TopicType {
 public:
  // The empty slot of a topic array: no name, priority ZQ_NoMatch.
  ZQF_Help_TopicType();
  // Draws the next sequence number (the first topic made gets 1).
  ZQF_Help_TopicType(const ZQ_String& Name, long Priority);

  bool operator<(const ZQF_Help_TopicType& Other) const;

  ZQ_String Name;
  long SequenceNumber;
  long Priority;
};

// Appends ";" when Topics is not empty, then Name, then "," and the priority
// in decimal when it is not 0.
void ZQF_Help_AppendTopic(ZQ_String& Topics, const ZQ_String& Name, int Priority);

// On the first try, adds every topic of the text to Message (a priority that
// does not convert is ZQ_NoMatch; the last number of an item wins); on the
// second try nothing.
void ZQF_Help_HandleHelpMessage(const ZQ_String& Topics, ZQF_HelpMessage& Message,
                                bool SecondTry);

// What the help module provides. A function left null keeps the default.
struct ZQF_Help_Module {
  bool (*HelpAvailable)() = nullptr;
  void (*DisplayTopics)(ZQ_ReadOnlyIterator<ZQF_Help_TopicType>& Topics) = nullptr;
  void (*DisplayContents)() = nullptr;
};

// Installs Module; returns the one it replaces.
ZQF_Help_Module ZQF_Help_RegisterModule(const ZQF_Help_Module& Module);

// True when help can be shown.
bool ZQF_Help_HelpAvailable();
// Opens help at the topics; takes over Topics and deletes it.
void ZQF_Help_DisplayTopics(ZQ_ReadOnlyIterator<ZQF_Help_TopicType>* Topics);
// Opens help at its contents.
void ZQF_Help_DisplayContents();

#endif
