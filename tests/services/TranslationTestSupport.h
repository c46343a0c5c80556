// TranslationTestSupport.h: a dictionary of the test's own, installed as the
// translation lookup while a TestDictionary lives. The lookup and the
// operation mode in force before are restored when it goes. One at a time.
#ifndef TRANSLATION_TEST_SUPPORT_H
#define TRANSLATION_TEST_SUPPORT_H

#include <map>
#include <string>
#include <utility>

#include "ZQ_Internationalization.h"

class TestDictionary {
 public:
  using Entries = std::map<std::string, std::string>;

  explicit TestDictionary(Entries Initial)
      : savedMode(ZQ_Internationalization_GetOperationMode()),
        previous(ZQ_Internationalization_SetDictionaryLookup(&LookUp)) {
    Current() = std::move(Initial);
  }
  ~TestDictionary() {
    ZQ_Internationalization_SetDictionaryLookup(previous);
    ZQ_Internationalization_SetOperationMode(savedMode);
  }
  TestDictionary(const TestDictionary&) = delete;
  TestDictionary& operator=(const TestDictionary&) = delete;

  // The entries the lookup answers from; a test may change them.
  static Entries& Current() {
    static Entries s_entries;
    return s_entries;
  }

 private:
  static bool LookUp(const ZQ_String& Key, ZQ_String& Translation) {
    const auto found = Current().find(Key.GetText());
    if (found == Current().end()) return false;
    Translation = found->second.c_str();
    return true;
  }

  int savedMode;
  ZQ_Internationalization_DictionaryLookup previous;
};

#endif
