// ZQFO_LibraryExceptions.h: keeps std:: exceptions inside the document
// library. Its entry points (reading a document, laying it out, drawing and
// exporting it) run their work through ZQFO_WithLibraryExceptions, so that
// memory running out or a string grown past its limit reaches the caller as
// a ZQ_Exception with a message, like every other failure of a document.
#ifndef ZQFO_LIBRARYEXCEPTIONS_H
#define ZQFO_LIBRARYEXCEPTIONS_H

// Rethrows the exception being handled; call it only inside a catch block.
// A std::bad_alloc becomes a ZQ_Exception "Document Error" saying "There is
// not enough memory to <Activity>.", any other std::exception one saying
// "Could not <Activity>." with the exception's own text; everything else
// (ZQ_Exception, ZQ_CancelCurrentOperationException, ...) passes unchanged.
// Activity is a phrase such as "lay out the document".
[[noreturn]] void ZQFO_RethrowAsLibraryException(const char* Activity);

// Work (), its std:: exceptions turned into ZQ_Exception as above.
template <class Work>
auto ZQFO_WithLibraryExceptions(const char* Activity, Work DoWork) -> decltype(DoWork()) {
  try {
    return DoWork();
  } catch (...) {
    ZQFO_RethrowAsLibraryException(Activity);
  }
}

#endif
