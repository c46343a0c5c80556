// Calc: the release tool's test application. Its help (a small document of
// its own) is available while its help file, "Documentation\Calc Users
// Guide.rxl", lies beside it. It answers the release tool's message box with
// OK and "prints" by writing a small PDF into the desktop folder of the
// release settings 1.5 s later, as a PDF printer would. "-printmode cancel"
// cancels the print dialog instead; "-printmode none" never writes the PDF.
#include <thread>

#include "ZQFO_Document.h"
#include "ZQF_Application.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQF_DevelopmentSupport.h"
#include "ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin.h"
#include "ZQF_PLUGIN_ApplicationPersonality.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_CommandLine.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_Sound.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

class CalcMetrics : public ZQF_ApplicationMetrics {
 public:
  ZQ_String GetApplicationName() const override { return "Calc"; }
  ZQ_String GetVersionString() const override { return "2.4"; }
};

class CalcPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  void RegisterPlugins() override { Register(new ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin); }
};

ZQ_OneParameterFlagCommandLineElement s_printMode("printmode", "pdf");

const ZQFO_Document& GetHelpDocument() {
  static ZQFO_Document document = [] {
    ZQFO_DocumentStream stream;
    stream << "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para>Calc adds numbers."
              "</zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>";
    return stream.GetDocument();
  }();
  return document;
}

void AnswerOK(const ZQ_String& Text, const ZQ_String& Title) {
  ZQ_WriteDebugLogEntry("Message box \"" + Title + "\": " + Text + "\n");
}

void PrintToDesktop(const ZQFO_Document&) {
  if (s_printMode.GetParameter() == "cancel") throw ZQ_CancelCurrentOperationException();
  if (s_printMode.GetParameter() == "none") return;
  const ZQ_String pdf =
      ZQ_GetString(ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("DevelopmentSupport"),
                   "DesktopDirectory", "") + "zqdev_temp.pdf";
  std::thread([pdf] {
    ZQ_Sleep(1.5);
    try {
      ZQ_SaveStringAsFile("%PDF-1.4\n% Calc's user's guide\n%%EOF\n", pdf);
    } catch (...) {
    }
  }).detach();
}

void CalcStageCallback(int Stage) {
  if (Stage != ZQ_InitializationService::Stage_InitializeDefinition) return;
  ZQF_DevelopmentSupport_SetHelpDocumentGetter(&GetHelpDocument);
  ZQF_DevelopmentSupport_SetPrintFunction(&PrintToDesktop);
  ZQF_DevelopmentSupport_SetMessageFunction(&AnswerOK);
}

CalcMetrics s_metrics;
CalcPersonality s_personality;
ZQF_Application s_application;
const ZQ_StageCallbackRegistration s_stages(&CalcStageCallback, ZQ_InitializationService::Position_Application);

}  // namespace
