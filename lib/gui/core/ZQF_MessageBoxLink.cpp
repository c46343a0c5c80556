#include "ZQF_MessageBoxLink.h"

namespace {

ZQF_MessageBoxFunction s_showMessage = nullptr;

}  // namespace

ZQF_MessageBoxFunction ZQF_MessageBoxLink_Register(ZQF_MessageBoxFunction Function) {
  const ZQF_MessageBoxFunction previous = s_showMessage;
  s_showMessage = Function;
  return previous;
}

void ZQF_MessageBoxLink_ShowMessage(const ZQ_String& Text, const ZQ_String& Title, int Kind) {
  if (s_showMessage) s_showMessage(Text, Title, Kind);
}
