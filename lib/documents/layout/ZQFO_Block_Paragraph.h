// ZQFO_Block_Paragraph.h: the block of running text: a singly linked chain
// of flow objects that the line engine breaks into lines for the width the
// paragraph gets, stacks into a content area and, when the area is too
// short, splits into two paragraphs that continue in the next area. The
// paragraph built by the parser owns its chain; the two halves of a split
// share the objects of the paragraph that was split and own none, so that
// paragraph must outlive them. UI thread only.
#ifndef ZQFO_BLOCK_PARAGRAPH_H
#define ZQFO_BLOCK_PARAGRAPH_H

#include <memory>

#include "ZQFO_Block.h"
#include "ZQFO_FlowObject.h"
#include "ZQFO_LineDistribution.h"
#include "ZQ_Iterator.h"

class ZQFO_Block_Paragraph : public ZQFO_Block {
 public:
  ZQFO_Block_Paragraph(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
      : ZQFO_Block(Context, Options) {}
  // The block fields of Other; an empty chain that it does not own.
  ZQFO_Block_Paragraph(const ZQFO_Block_Paragraph& Other) : ZQFO_Block(Other), OwnsFlowObjects(false) {}
  ~ZQFO_Block_Paragraph() override;

  // Appends Object to the chain (its next link becomes null).
  void AddFlowObject(ZQFO_FlowObject* Object);
  // Inserts Object after Mark, at the head when Mark is null.
  void AddFlowObjectAtMark(ZQFO_FlowObject* Object, ZQFO_FlowObject* Mark);
  // The objects after Mark (all of them when Mark is null), borrowed.
  ZQ_Iterator<ZQFO_FlowObject*> GetObjectsSinceMark(ZQFO_FlowObject* Mark);
  // The tail for editing (null when empty); the block's sizes are dropped.
  ZQFO_FlowObject* GetLastObject();
  // The tail, to read or to use as a mark; the sizes stay.
  ZQFO_FlowObject* GetLastObjectForReading() const { return LastFlowObject; }
  ZQFO_FlowObject* GetFirstObject() const { return FirstFlowObject; }
  // Counts and walks the chain.
  long GetNumFlowObjects() const;
  ZQFO_FlowObject* GetFlowObject(long Index) const;
  bool OwnsObjects() const { return OwnsFlowObjects; }
  // Null before the first width is noted.
  const ZQFO_LineDistribution* GetLineDistribution() const { return Lines.get(); }

  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) override;

 protected:
  ZQ_Point<double> Imp_ComputeDistributionAreaWidthLimits() override;
  ZQ_Point<double> Imp_ComputeDistributionAreaHeightLimits() override;
  void Imp_Distribute(ZQFO_ContentArea& Area) override;
  bool Imp_Split(double Height, ZQFO_Block*& First, ZQFO_Block*& Second) override;
  void Imp_NoteNewDistributionAreaWidth(double Width) override;
  void Imp_ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) override;
  void Imp_CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) override;

 private:
  ZQFO_FlowObject* FirstFlowObject = nullptr;
  ZQFO_FlowObject* LastFlowObject = nullptr;
  bool OwnsFlowObjects = true;
  std::unique_ptr<ZQFO_LineDistribution> Lines;
};

#endif
