// ZQFO_ExportContext.h: what the HTML export hands to every block and flow
// object that writes itself: the text formatter over the output and the
// distribution context (canvas, image cache, external context). The image
// and anchor registries and the output file arrive with the export itself.
// The context is borrowed and outlives this record. UI thread only.
#ifndef ZQFO_EXPORTCONTEXT_H
#define ZQFO_EXPORTCONTEXT_H

#include "ZQ_StreamSink.h"
#include "ZQ_TextStreamFormatter.h"

class ZQFO_DistributionContext;

class ZQFO_ExportDocumentToHTML_ExportContext {
 public:
  ZQFO_ExportDocumentToHTML_ExportContext(const ZQ_StreamSink& Sink, ZQFO_DistributionContext& Context)
      : Formatter(Sink), Context(Context) {}

  ZQ_TextStreamFormatter& GetFormatter() { return Formatter; }
  ZQFO_DistributionContext& GetContext() { return Context; }

 private:
  ZQ_TextStreamFormatter Formatter;
  ZQFO_DistributionContext& Context;
};

#endif
