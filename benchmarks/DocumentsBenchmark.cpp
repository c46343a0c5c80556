// The document model's two hot paths. Options: a generated tree of 100,000
// elements in 50 distinct option states walked as the document parser walks
// it (push, the standard attributes through the dispatcher, the shared
// options, pop), printing elements per second. Reading: GetDocument on a
// document stream holding about 1 MB of paragraphs and tables, which parses
// and validates all its text at each call, printing milliseconds and MB/s
// against the target of 20 ms. The best of the passes counts.
// Usage: DocumentsBenchmark [passes]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZQFO_Document.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQFO_StandardOptionAttributes.h"
#include "ZQIMG_Image.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "ZQXML_Node.h"

namespace {

const int kParagraphs = 20000;  // each with four flow groups: 100,000 elements
const double kTargetReadMs = 20;

template <class Work>
double Seconds(Work DoWork) {
  const auto begin = std::chrono::steady_clock::now();
  DoWork();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// Ten paragraph states times five flow-group states.
std::string OptionsDocument() {
  static const char* const kParagraphStates[] = {
      "", "font_height='9 pt'", "font_weight='bold'", "text_color='#204080'",
      "block_left_indent='+ 5 mm'", "line_justification='full'", "local_font_italic='true'",
      "cell_margin='2 mm'", "font_family='sansserif'", "block_space_before='12 pt'"};
  static const char* const kGroupStates[] = {
      "", "font_underline='true'", "text_color='standard color - hyperlink text'", "font_height='120%'",
      "link_target='a.html'"};
  std::string text = "<zqfo_document><zqfo_section><zqfo_blockstream>";
  for (int p = 0; p < kParagraphs; ++p) {
    text += std::string("<zqfo_para ") + kParagraphStates[p % 10] + ">";
    for (int g = 0; g < 4; ++g)
      text += std::string("<zqfo_flowgroup ") + kGroupStates[(p / 10 + g) % 5] + ">word </zqfo_flowgroup>";
    text += "</zqfo_para>";
  }
  return text + "</zqfo_blockstream></zqfo_section></zqfo_document>";
}

// The elements below Element, itself included.
long Walk(const ZQXML_Node& Element, ZQFO_FormattingOptionsFactory& Factory) {
  Factory.PushCurrentOptionsStack();
  ZQFO_ParseStandardOptions(Element, Factory);
  const ZQFO_FormattingOptions options = Factory.GetFormattingOptions();
  long count = 1;
  for (const ZQXML_Node* child = Element.GetFirstChild(); child; child = child->GetNextSibling())
    if (child->GetType() == ZQXML_NodeType_Element) count += Walk(*child, Factory);
  Factory.PopCurrentOptionsStack();
  return count;
}

// About Megabytes of paragraphs with character references and small tables.
std::string ReadingDocument(double Megabytes) {
  std::string text = "<zqfo_document><zqfo_section><zqfo_blockstream>";
  for (int i = 0; text.size() < Megabytes * 1e6; ++i) {
    if (i % 10 == 9) {
      text += "<zqfo_table cell_margin='1 mm' cell_border_thickness='0.2 mm'>";
      for (int r = 0; r < 3; ++r)
        text += "<zqfo_row><zqfo_flowcell width='30 mm'>Cell &amp; text</zqfo_flowcell>"
                "<zqfo_flowcell justification='right'>12.5 &deg;C</zqfo_flowcell></zqfo_row>";
      text += "</zqfo_table>";
    } else {
      text += "<zqfo_para font_height='10 pt' block_space_after='3 pt'>The wet bulb globe temperature "
              "combines <zqfo_flowgroup font_weight='bold'>air temperature</zqfo_flowgroup>, humidity, "
              "wind and radiation &#169; into one heat-stress index.</zqfo_para>";
    }
  }
  return text + "</zqfo_blockstream></zqfo_section></zqfo_document>";
}

}  // namespace

int main(int argc, char** argv) {
  const int passes = argc > 1 ? std::atoi(argv[1]) : 5;
  if (passes < 1) {
    std::fprintf(stderr, "usage: DocumentsBenchmark [passes >= 1]\n");
    return 2;
  }
  ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
  const ZQIMG_Image image(200, 100, 24);
  const ZQR_MemoryDC memory(nullptr, image.GetHBITMAP());
  ZQPIC_DeviceContextCanvas canvas(memory.GetHDC(), ZQ_Rectangle<long>(0, 0, 200, 100), 3,
                                   ZQ_Point<double>(50, 25));
  canvas.Initialize();
  ZQFO_DocumentStream options;
  options << OptionsDocument().c_str();
  const ZQFO_Document optionsDocument = options.GetDocument();
  const ZQ_String reading = ReadingDocument(1.0).c_str();
  ZQFO_DocumentStream stream;
  stream << reading;

  double walkBest = 1e30, readBest = 1e30;
  long elements = 0;
  for (int pass = 0; pass < passes; ++pass) {
    walkBest = std::min(walkBest, Seconds([&] {
      ZQFO_FormattingOptionsFactory factory(canvas, false, ZQFO_Stylesheet());
      elements = Walk(*optionsDocument.GetFormattingObjectsTree().GetRootElement(), factory);
    }));
    readBest = std::min(readBest, Seconds([&] { stream.GetDocument(); }));
  }
  std::printf("Documents benchmark, best of %d passes\n", passes);
  std::printf("  options of %ld elements in 50 states   %8.1f ms  %10.0f elements/s\n", elements,
              walkBest * 1e3, elements / walkBest);
  std::printf("  GetDocument of %.2f MB                %8.1f ms  %10.1f MB/s  target < %.0f ms  %s\n",
              reading.GetLength() / 1e6, readBest * 1e3, reading.GetLength() / 1e6 / readBest,
              kTargetReadMs, readBest * 1e3 < kTargetReadMs ? "met" : "MISSED");
  return 0;
}
