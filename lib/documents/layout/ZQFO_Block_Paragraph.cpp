#include "ZQFO_Block_Paragraph.h"

void ZQFO_Block_Paragraph::AddFlowObjectAtMark(ZQFO_FlowObject* Object) {
  Objects.emplace(Objects.begin() + Mark, Object);
}

std::vector<ZQFO_FlowObject*> ZQFO_Block_Paragraph::GetObjectsSinceMark() const {
  std::vector<ZQFO_FlowObject*> result;
  for (size_t i = static_cast<size_t>(Mark); i < Objects.size(); ++i) result.push_back(Objects[i].get());
  return result;
}

void ZQFO_Block_Paragraph::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  for (auto& object : Objects) object->PerformFieldFixups(Dictionary);
}
