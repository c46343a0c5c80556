#include "ZQFO_Block_Paragraph.h"

void ZQFO_Block_Paragraph::LinkAround(size_t Index) {
  if (Index > 0) Objects[Index - 1]->Next = Objects[Index].get();
  Objects[Index]->Next = Index + 1 < Objects.size() ? Objects[Index + 1].get() : nullptr;
}

void ZQFO_Block_Paragraph::AddFlowObject(ZQFO_FlowObject* Object) {
  Objects.emplace_back(Object);
  LinkAround(Objects.size() - 1);
  DropCaches();
}

void ZQFO_Block_Paragraph::AddFlowObjectAtMark(ZQFO_FlowObject* Object) {
  Objects.emplace(Objects.begin() + Mark, Object);
  LinkAround(static_cast<size_t>(Mark));
  DropCaches();
}

std::vector<ZQFO_FlowObject*> ZQFO_Block_Paragraph::GetObjectsSinceMark() const {
  std::vector<ZQFO_FlowObject*> result;
  for (size_t i = static_cast<size_t>(Mark); i < Objects.size(); ++i) result.push_back(Objects[i].get());
  return result;
}

void ZQFO_Block_Paragraph::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  ZQFO_Block::PerformFieldFixups(Dictionary);
  for (auto& object : Objects) object->PerformFieldFixups(Dictionary);
}
