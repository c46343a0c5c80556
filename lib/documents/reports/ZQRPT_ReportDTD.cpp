#include "ZQRPT_ReportDTD.h"

#include "ZQRPT_FormattingStylesheet.h"
#include "ZQXML_DocumentTypeDefinitionParser.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_StringStream.h"
#include "ZQ_URI.h"

namespace {

using TextSlot = ZQ_String (ZQ_ApplicationMetrics::*)() const;

// The application entities in declaration order; app_build, the one number,
// is declared in its place by the loop below.
const struct {
  const char* Name;
  TextSlot Slot;  // null for app_build
} kEntities[] = {
    {"app_version", &ZQ_ApplicationMetrics::GetVersionString},
    {"app_build", nullptr},
    {"app_name", &ZQ_ApplicationMetrics::GetApplicationName},
    {"app_short_description", &ZQ_ApplicationMetrics::GetShortDescription},
    {"app_long_description", &ZQ_ApplicationMetrics::GetDescription},
    {"app_home_page_url", &ZQ_ApplicationMetrics::GetApplicationHomePageAddress},
    {"app_web_name", &ZQ_ApplicationMetrics::GetApplicationNameIdentifier},
    {"app_copyright", &ZQ_ApplicationMetrics::GetCopyrightText},
    {"app_trademarks", &ZQ_ApplicationMetrics::GetTrademarksText},
    {"company_name", &ZQ_ApplicationMetrics::GetOrganizationName},
    {"company_location", &ZQ_ApplicationMetrics::GetOrganizationAddress},
    {"company_email_address", &ZQ_ApplicationMetrics::GetContactEmailAddress},
    {"company_home_page_url", &ZQ_ApplicationMetrics::GetWebSiteAddress},
};

// The metrics give plain texts, while a replacement text is parsed where
// the entity is used: "&" and "<" become character references, so that
// "R&D" reads as itself instead of stopping every report that names it.
ZQ_String AsReplacementText(const ZQ_String& Value) {
  ZQ_String text;
  for (int i = 0; i < Value.GetLength(); ++i) {
    const char c = Value[i];
    if (c == '&')
      text += "&#38;";
    else if (c == '<')
      text += "&#60;";
    else
      text += c;
  }
  return text;
}

ZQ_String BuildNumberText(int Build) {
  ZQ_StringStream text;
  text << static_cast<long>(Build);
  return ZQ_String(text);
}

ZQRPT_ReportDTDFactory s_factory = &CreateReportDTD;
ZQXML_DocumentTypeDefinition s_cache;
bool s_isCached = false;

}  // namespace

ZQXML_DocumentTypeDefinition CreateReportDTD() {
  ZQXML_DocumentTypeDefinition definition =
      ZQXML_DocumentTypeDefinitionParser(ZQ_URI_MakeFromFileName("intres:ZQRPT_ReportDTD", 0))
          .Parse();
  const ZQ_ApplicationMetrics& metrics = ZQ_GetApplicationMetrics();
  for (const auto& entity : kEntities) {
    const ZQ_String value =
        entity.Slot ? (metrics.*entity.Slot)() : BuildNumberText(metrics.GetBuildNumber());
    definition.DeclareInternalGeneralParsedEntity(entity.Name, AsReplacementText(value));
  }
  // A report is one section: the stylesheet lays out nothing else as a
  // document, and some elements mean nothing outside their parents.
  definition.SetRootElementName("section");
  // Every reader of reports, the help's or another's, stops where the
  // stylesheet's markup of the report would no longer read back.
  definition.SetMaxElementNesting(ZQRPT_MaxReportNesting);
  return definition;
}

ZQXML_DocumentTypeDefinition ZQRPT_GetReportDTD() {
  if (!s_isCached) {
    s_cache = s_factory();
    s_isCached = true;
  }
  return s_cache;
}

ZQRPT_ReportDTDFactory ZQRPT_SetReportDTDFactory(ZQRPT_ReportDTDFactory Factory) {
  const ZQRPT_ReportDTDFactory previous = s_factory;
  s_factory = Factory ? Factory : &CreateReportDTD;
  return previous;
}

void ZQRPT_ClearReportDTDCache() {
  s_cache = ZQXML_DocumentTypeDefinition();
  s_isCached = false;
}
