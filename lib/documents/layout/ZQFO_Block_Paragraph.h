// ZQFO_Block_Paragraph.h: a paragraph block: its chain of flow objects, which
// it owns, and a mark of the chain's end at one moment (a bullet's content
// starts there). Line breaking arrives with the block layout. UI thread only.
#ifndef ZQFO_BLOCK_PARAGRAPH_H
#define ZQFO_BLOCK_PARAGRAPH_H

#include <memory>
#include <vector>

#include "ZQFO_Block.h"
#include "ZQFO_FlowObject.h"

class ZQFO_Block_Paragraph : public ZQFO_Block {
 public:
  ZQFO_Block_Paragraph(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
      : ZQFO_Block(Context, Options) {}

  // Appends Object and links it into the chain; the paragraph owns it.
  void AddFlowObject(ZQFO_FlowObject* Object);
  // Remembers the current end of the chain.
  void SetMark() { Mark = static_cast<long>(Objects.size()); }
  // Puts the mark back where GetMark found it (a nested bullet moved it).
  long GetMark() const { return Mark; }
  void SetMarkAt(long Index) { Mark = Index; }
  // Inserts Object at the mark, before what was added since.
  void AddFlowObjectAtMark(ZQFO_FlowObject* Object);
  // The objects added after the mark, in order (borrowed).
  std::vector<ZQFO_FlowObject*> GetObjectsSinceMark() const;
  // Null when the paragraph is empty.
  ZQFO_FlowObject* GetLastObject() const { return Objects.empty() ? nullptr : Objects.back().get(); }
  long GetNumFlowObjects() const { return static_cast<long>(Objects.size()); }
  ZQFO_FlowObject* GetFlowObject(long Index) const { return Objects[Index].get(); }
  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) override;

 private:
  // Links the objects at Index - 1, Index and Index + 1.
  void LinkAround(size_t Index);
  std::vector<std::unique_ptr<ZQFO_FlowObject>> Objects;
  long Mark = 0;
};

#endif
