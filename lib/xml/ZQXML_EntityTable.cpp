#include "ZQXML_EntityTable.h"

#include <algorithm>
#include <climits>

#include "ZQ_Internationalization.h"
#include "ZQ_StringSubs.h"

namespace {

bool LiesIn(const ZQXML_EntityTable::DataSource* Current,
            const ZQXML_EntityTable::DataSource* Source) {
  for (; Current; Current = Current->Parent)
    if (Current == Source) return true;
  return false;
}

}  // namespace

ZQXML_EntityTable::Entity ZQXML_EntityTable::MakeEntity(const ZQ_String& Name,
                                                         const ZQ_String& Value) {
  Entity entity;
  entity.Value = Value;
  entity.Description = ZQ_SubstituteArguments(
      ZQ_Internationalization_Translate("reading the entity \"{$1}\""), Name, ZQ_String());
  return entity;
}

void ZQXML_EntityTable::Define(const ZQ_String& Name, const ZQ_String& Value, bool OnlyIfNew) {
  if (OnlyIfNew && Entities.KeyExists(Name)) return;
  Entities.GetOrCreateLink(Name)->Value = MakeEntity(Name, Value);
}

const ZQXML_EntityTable::Entity* ZQXML_EntityTable::Find(const ZQ_String& Name) const {
  const auto* link = Entities.FindLink(Name);
  return link ? &link->Value : nullptr;
}

long ZQXML_EntityTable::GetNestingDepth(const DataSource* Current) {
  long depth = -1;
  for (; Current; Current = Current->Parent) ++depth;
  return depth;
}

void ZQXML_EntityTable::ForgetFinished(const DataSource* Current) {
  while (NumActive > 0 && !LiesIn(Current, Active[NumActive - 1].Source)) {
    Active[NumActive - 1] = Expansion();
    --NumActive;
  }
}

bool ZQXML_EntityTable::IsBeingExpanded(const ZQ_String& Name, const DataSource* Current) {
  ForgetFinished(Current);
  for (long i = 0; i < NumActive; ++i)
    if (Active[i].Name == Name) return true;
  return false;
}

long ZQXML_EntityTable::GetDocumentLength(const DataSource* Current) {
  if (!Current) return 0;
  while (Current->Parent) Current = Current->Parent;
  return static_cast<long>(Current->TextEnd - Current->TextStart);
}

long ZQXML_EntityTable::GetExpansionBudget(long DocumentLength) {
  const long long scaled = static_cast<long long>(DocumentLength) * ExpansionPerDocumentByte;
  return static_cast<long>(std::min<long long>(std::max<long long>(scaled, MinExpansionBudget), LONG_MAX - 1));
}

bool ZQXML_EntityTable::Admit(long Length, long DocumentLength) {
  const long cost = Length > MinBytesPerSplice ? Length : MinBytesPerSplice;
  if (cost > GetExpansionBudget(DocumentLength) - ExpandedBytes) return false;
  ExpandedBytes += cost;
  return true;
}

void ZQXML_EntityTable::NoteExpansion(const DataSource* Source, const ZQ_String& Name) {
  ForgetFinished(Source);
  Active[NumActive].Source = Source;
  Active[NumActive].Name = Name;
  ++NumActive;
}
