#include "ZQFO_LibraryExceptions.h"

#include <exception>
#include <new>

#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"

void ZQFO_RethrowAsLibraryException(const char* Activity) {
  const ZQ_String activity(Activity);
  try {
    throw;
  } catch (const std::bad_alloc&) {
    throw ZQ_Exception(ZQ_Internationalization_Translate("Document Error"),
                       ZQ_Internationalization_Translate("There is not enough memory to " + activity + "."));
  } catch (const std::exception& e) {
    ZQ_Exception error(ZQ_Internationalization_Translate("Document Error"),
                       ZQ_Internationalization_Translate("Could not " + activity + "."));
    error.AppendToDescription(ZQ_String(e.what()));
    throw error;
  }
}
