// ZQ_StreamParser.h: the base of the readers that parse a stream source
// (binary values, text). It holds a share of the source for its lifetime.
// One thread only.
#ifndef ZQ_STREAMPARSER_H
#define ZQ_STREAMPARSER_H

#include "ZQ_StreamSource.h"

class ZQ_StreamParser {
 public:
  // Shares Source's object; released when the parser is destroyed.
  explicit ZQ_StreamParser(const ZQ_StreamSource& Source) : Source(Source) {}
  virtual ~ZQ_StreamParser() = default;

  ZQ_StreamSource& GetSource() { return Source; }

 protected:
  ZQ_StreamSource Source;
};

#endif
