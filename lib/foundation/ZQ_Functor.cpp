#include "ZQ_Functor.h"

void ZQ_Functor0::InvokeFunction(const ZQ_Functor0* Self) {
  Self->GetCode<void (*)()>()();
}
