#include "ZQLOW_GDIPLUS.h"

#include "ZQLOW_WIN_Check.h"

#define ZQLOW_WIN_FAMILY "ZQLOW_GDIPLUS"

// The flat functions are declared in these namespaces; the stream function
// at global scope.
using namespace Gdiplus;
using namespace Gdiplus::DllExports;

#define ZQLOW_GDIPLUS_DEFINE_CALL(Result, Name, Letter, Parameters, Arguments, Test) \
  Result(WINAPI* Name##Letter) Parameters = &::Name##Letter;

namespace ZQLOW_GDIPLUS {

namespace Calls {
ZQLOW_GDIPLUS_TABLE(ZQLOW_GDIPLUS_DEFINE_CALL)
}

ZQLOW_GDIPLUS_TABLE(ZQLOW_WIN_DEFINE)

}  // namespace ZQLOW_GDIPLUS
