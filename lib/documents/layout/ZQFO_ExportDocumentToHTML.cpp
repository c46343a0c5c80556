#include "ZQFO_ExportDocumentToHTML.h"

#include "ZQFO_DistributionContext.h"
#include "ZQFO_DocumentParser.h"
#include "ZQFO_LibraryExceptions.h"
#include "ZQIMG_Image.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ProgressReportService.h"

namespace {

void Export(const ZQFO_Document& Document, const ZQ_FileName& FileName,
            const ZQFO_ExportDocumentToHTML_Options& Options) {
  // Text is measured at the screen's resolution, where the HTML will be read.
  const ZQIMG_Image image(2, 2, 24);
  ZQR_MemoryDC dc(nullptr, image.GetHBITMAP());
  ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 2, 2), 3);
  canvas.SetBackingImage(image);
  canvas.Initialize();
  const ZQFO_Stylesheet stylesheet;
  ZQFO_DistributionContext context(canvas, Document.GetExternalContext(), ZQ_CountedPtr<ZQFO_Cache>(new ZQFO_Cache),
                                   false, Document.GetName(), false, stylesheet);
  const ZQFO_ParsedDocument parsed = ZQFO_ParseDocument(Document.GetFormattingObjectsTree(), context);
  ZQFO_ExportDocumentToHTML_ExportContext exportContext(Document, FileName, Options, context);
  if (parsed.ExportToHTML(exportContext, 0)) parsed.ExportToHTML(exportContext, 1);
  exportContext.Flush();
}

}  // namespace

void ZQFO_ExportDocumentToHTML(const ZQFO_Document& Document, const ZQ_FileName& FileName,
                               const ZQFO_ExportDocumentToHTML_Options& Options) {
  ZQ_ProgressReportService_Task task(ZQ_Internationalization_Translate("Exporting to HTML"), 0);
  ZQFO_WithLibraryExceptions("export the document as HTML", [&] { Export(Document, FileName, Options); });
}
