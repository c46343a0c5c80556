#include "ZQFO_Block_Paragraph.h"

#include <algorithm>

#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_HTMLFlowObjectFormatter.h"
#include "ZQ_AccumulatingIterator.h"
#include "ZQ_Assertion.h"

ZQFO_Block_Paragraph::~ZQFO_Block_Paragraph() {
  Lines.reset();
  if (!OwnsFlowObjects) return;
  for (ZQFO_FlowObject* object = FirstFlowObject; object != nullptr;) {
    ZQFO_FlowObject* next = object->Next;
    delete object;
    object = next;
  }
}

void ZQFO_Block_Paragraph::AddFlowObject(ZQFO_FlowObject* Object) {
  Object->Next = nullptr;
  if (LastFlowObject != nullptr)
    LastFlowObject->Next = Object;
  else
    FirstFlowObject = Object;
  LastFlowObject = Object;
  DropCaches();
}

void ZQFO_Block_Paragraph::AddFlowObjectAtMark(ZQFO_FlowObject* Object, ZQFO_FlowObject* Mark) {
  if (Mark == LastFlowObject && Mark != nullptr) {
    AddFlowObject(Object);
    return;
  }
  if (Mark == nullptr) {
    Object->Next = FirstFlowObject;
    FirstFlowObject = Object;
    if (LastFlowObject == nullptr) LastFlowObject = Object;
  } else {
    Object->Next = Mark->Next;
    Mark->Next = Object;
  }
  DropCaches();
}

ZQ_Iterator<ZQFO_FlowObject*> ZQFO_Block_Paragraph::GetObjectsSinceMark(ZQFO_FlowObject* Mark) {
  DropCaches();
  auto* objects = new ZQ_AccumulatingIteratorReference<ZQFO_FlowObject*>;
  ZQ_Iterator<ZQFO_FlowObject*> result(objects);  // owns objects from here
  if (Mark == LastFlowObject && Mark != nullptr) return result;
  for (ZQFO_FlowObject* object = Mark != nullptr ? Mark->Next : FirstFlowObject; object != nullptr;
       object = object->Next) {
    objects->Append(object);
    if (object == LastFlowObject) break;
  }
  return result;
}

ZQFO_FlowObject* ZQFO_Block_Paragraph::GetLastObject() {
  DropCaches();
  return LastFlowObject;
}

long ZQFO_Block_Paragraph::GetNumFlowObjects() const {
  long count = 0;
  for (const ZQFO_FlowObject* object = FirstFlowObject; object != nullptr; object = object->Next) {
    ++count;
    if (object == LastFlowObject) break;
  }
  return count;
}

ZQFO_FlowObject* ZQFO_Block_Paragraph::GetFlowObject(long Index) const {
  ZQFO_FlowObject* object = FirstFlowObject;
  for (long i = 0; i < Index && object != nullptr; ++i) object = object == LastFlowObject ? nullptr : object->Next;
  return object;
}

void ZQFO_Block_Paragraph::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  ZQFO_Block::PerformFieldFixups(Dictionary);
  if (Lines != nullptr) Lines->ForgetRestTotals();
  for (ZQFO_FlowObject* object = FirstFlowObject; object != nullptr; object = object->Next) {
    object->PerformFieldFixups(Dictionary);
    if (object == LastFlowObject) break;
  }
}

ZQ_Point<double> ZQFO_Block_Paragraph::Imp_ComputeDistributionAreaWidthLimits() {
  const auto& options = GetOptions().GetOptions();
  const bool isTail = Lines != nullptr && Lines->GetPortion() == ZQFO_LineDistribution::Portion_Tail;
  // The rest of a split paragraph, carried on to the next area, knows its
  // widths from the split: walking it at every area would cost the square
  // of a long paragraph.
  ZQ_Point<double> rest;
  if (isTail && !OwnsFlowObjects && Lines->GetRestWidthLimits(rest)) return rest;
  const double start = isTail ? options.LineSubsequentIndent : options.LineFirstIndent;
  double word = start, line = start, minimum = 0, maximum = 0;
  for (ZQFO_FlowObject* object = FirstFlowObject; object != nullptr; object = object->Next) {
    const ZQ_Point<double> widths = object->GetWidthLimits(-1.0);
    const bool hasNext = object != LastFlowObject && object->Next != nullptr;
    word += widths.X;
    if (hasNext && object->WordBreakAfter == ZQFO_WordBreak_Never) {
      word += object->GetTrailingEscapement();
    } else {
      minimum = std::max(minimum, word);
      word = options.LineSubsequentIndent;
    }
    line += widths.Y;
    if (hasNext && object->WordBreakAfter != ZQFO_WordBreak_Always) {
      line += object->GetTrailingEscapement();
    } else {
      maximum = std::max(maximum, line);
      line = options.LineSubsequentIndent;
    }
    if (!hasNext) break;
  }
  return {minimum, maximum};
}

void ZQFO_Block_Paragraph::Imp_NoteNewDistributionAreaWidth(double Width) {
  const ZQFO_LineDistribution::PortionType portion =
      Lines != nullptr ? Lines->GetPortion() : ZQFO_LineDistribution::Portion_Whole;
  Lines.reset();
  Lines.reset(new ZQFO_LineDistribution(Context, GetOptions(), Width, FirstFlowObject, LastFlowObject, portion,
                                        false));
}

ZQ_Point<double> ZQFO_Block_Paragraph::Imp_ComputeDistributionAreaHeightLimits() {
  return Lines != nullptr ? Lines->GetHeightLimits() : ZQ_Point<double>(0.0, 0.0);
}

void ZQFO_Block_Paragraph::Imp_Distribute(ZQFO_ContentArea& Area) {
  if (Lines != nullptr) Lines->Distribute(Area);
}

bool ZQFO_Block_Paragraph::Imp_Split(double Height, ZQFO_Block*& First, ZQFO_Block*& Second) {
  ZQFO_LineDistribution* head = nullptr;
  ZQFO_LineDistribution* tail = nullptr;
  if (Lines == nullptr || !Lines->Split(Height, head, tail)) return false;
  auto* first = new ZQFO_Block_Paragraph(*this);
  auto* second = new ZQFO_Block_Paragraph(*this);
  first->Lines.reset(head);
  first->FirstFlowObject = head->GetFirstFlowObject();
  first->LastFlowObject = head->GetLastFlowObject();
  second->Lines.reset(tail);
  second->FirstFlowObject = tail->GetFirstFlowObject();
  second->LastFlowObject = tail->GetLastFlowObject();
  First = first;
  Second = second;
  return true;
}

void ZQFO_Block_Paragraph::Imp_ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  ZQ_ASSERT_TEXT(Stage == 0 || Stage == 1, "false");
  const auto& options = GetOptions().GetOptions();
  if (Stage == 0) {
    if (OwnsFlowObjects)
      for (ZQFO_FlowObject* object = FirstFlowObject; object != nullptr; object = object->Next)
        object->ExportToHTML(Export, 0);
    return;
  }
  if (Stage != 1) return;
  ZQFO_HTMLOutput& out = Export.GetOutput();
  InsertHTMLAnchors(Export);
  if (options.LinePreformatted) {
    out.Append("<pre>");
  } else if (options.BlockJustification == 1) {
    out.Append("<p align=\"center\"> ");
  } else if (options.BlockJustification == 2) {
    out.Append("<p align=\"right\"> ");
  } else if (options.LineJustification == 1) {
    out.Append("<p align=\"center\"> ");
  } else if (options.LineJustification == 2) {
    out.Append("<p align=\"right\"> ");
  } else {
    ZQ_ASSERT_TEXT(options.LineJustification == 0 || options.LineJustification == 3, "false");
    out.Append("<p align=\"left\"> ");
  }
  if (OwnsFlowObjects) {
    HTMLFlowObjectFormatter formatter(Export.GetFormatter());
    for (ZQFO_FlowObject* object = FirstFlowObject; object != nullptr; object = object->Next) {
      formatter.ProcessNewOptions(object->GetOptions());
      object->ExportToHTML(Export, 1);
      if (object->Next == nullptr) break;
      switch (object->WordBreakAfter) {
        case ZQFO_WordBreak_AsNeeded:
          if (object->SpaceAfter != ZQFO_SpaceAfter_NoSpace) out.Append(' ');
          break;
        case ZQFO_WordBreak_Never:
          if (object->SpaceAfter != ZQFO_SpaceAfter_NoSpace) out.Append("&nbsp;");
          break;
        case ZQFO_WordBreak_Always:
          if (options.LinePreformatted)
            out.Append('\n');
          else
            out.Append("<BR>");
          break;
        default:
          ZQ_ASSERT_TEXT(false, "false");
      }
    }
  }
  if (options.LinePreformatted)
    out.Append("</pre>\n");
  else
    out.Append("</p>\n");
}

void ZQFO_Block_Paragraph::Imp_CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) {
  Collector.Add(GetOptions());
  for (ZQFO_FlowObject* object = FirstFlowObject; object != nullptr; object = object->Next) {
    Collector.Add(object->GetOptions());
    if (object == LastFlowObject) break;
  }
}
