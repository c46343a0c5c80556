// ZQXML_EntityTable.h: the entities a parse knows (from commands and
// DefineEntityVariable) and the bookkeeping of the texts spliced into the
// input (entity expansions and includes): which expansions are in progress
// around the current position, and how much text all splices have added.
// The parser raises the errors; this class only answers. One thread only.
#ifndef ZQXML_ENTITYTABLE_H
#define ZQXML_ENTITYTABLE_H

#include "ZQ_AbstractTextStreamParser.h"
#include "ZQ_Array.h"
#include "ZQ_Map.h"
#include "ZQ_String.h"

class ZQXML_EntityTable {
 public:
  using DataSource = ZQ_AbstractTextStreamParser::DataSourceType;

  // Limits that keep bad input from exhausting time, memory or the stack.
  static const long MaxSourceNesting = 64;
  // All splices of a parse may add MinExpansionBudget bytes, or
  // ExpansionPerDocumentByte times the length of the document's own text
  // when that is more: a bound on amplification, not on size, so that a long
  // document of ordinary references reads while a bomb in a short one stops
  // as early as ever.
  static const long MinExpansionBudget = 32L * 1024 * 1024;
  static const long ExpansionPerDocumentByte = 4;
  // Each splice also costs bookkeeping; it counts as at least this many bytes.
  static const long MinBytesPerSplice = 256;

  struct Entity {
    ZQ_String Value;        // the raw replacement text
    ZQ_String Description;  // what reading it means, for messages
  };

  // An entity of that name and raw replacement text.
  static Entity MakeEntity(const ZQ_String& Name, const ZQ_String& Value);
  // Defines or replaces the entity; with OnlyIfNew an existing one stays.
  void Define(const ZQ_String& Name, const ZQ_String& Value, bool OnlyIfNew);
  // The entity, or null.
  const Entity* Find(const ZQ_String& Name) const;

  // Splices around Current: the number of data sources Current lies in,
  // counted from the outermost text (0 for the outermost itself).
  static long GetNestingDepth(const DataSource* Current);
  // Whether an expansion of Name is in progress around Current.
  bool IsBeingExpanded(const ZQ_String& Name, const DataSource* Current);
  // The length of the outermost text around Current: the document's own.
  static long GetDocumentLength(const DataSource* Current);
  // The bytes that all splices may add to a document of DocumentLength
  // bytes; below LONG_MAX.
  static long GetExpansionBudget(long DocumentLength);
  // Whether a splice of Length more bytes stays within the budget of a
  // document of DocumentLength bytes; counts it when it does.
  bool Admit(long Length, long DocumentLength);
  // Records that Source now holds the expansion of Name.
  void NoteExpansion(const DataSource* Source, const ZQ_String& Name);

 private:
  // Drops the records of finished expansions: those not around Current.
  void ForgetFinished(const DataSource* Current);

  struct Expansion {
    const DataSource* Source = nullptr;
    ZQ_String Name;
  };
  ZQ_Map<ZQ_String, Entity> Entities;
  ZQ_AutosizeArray<Expansion> Active;  // innermost last
  long NumActive = 0;
  long ExpandedBytes = 0;
};

#endif
