// ZQF_DevelopmentSupport_BuildNumbers.cpp: build-number definitions and the
// version history.
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "ZQF_DevelopmentSupport.h"
#include "ZQF_DevelopmentSupport_Imp.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatter.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_StringSubs.h"

namespace {

bool IsWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsNumberChar(char c) { return std::strchr("+-.0123456789Ee", c) != nullptr && c != '\0'; }

// Lines at LF, CR LF or a lone CR; a line end at the very end starts no
// further, empty line.
std::vector<ZQ_String> SplitLines(const ZQ_String& Text) {
  std::vector<ZQ_String> lines;
  const char* text = Text.GetText();
  const int length = Text.GetLength();
  int start = 0;
  for (int i = 0; i < length; ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.emplace_back(text + start, i - start);
    if (text[i] == '\r' && i + 1 < length && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < length) lines.emplace_back(text + start, length - start);
  return lines;
}

// Only spaces count: a history indented with tabs keeps those lines.
bool IsBlank(const ZQ_String& Line) {
  for (int i = 0; i < Line.GetLength(); ++i)
    if (Line[i] != ' ') return false;
  return true;
}

int CountLeadingSpaces(const ZQ_String& Line) {
  int count = 0;
  while (count < Line.GetLength() && Line[count] == ' ') ++count;
  return count;
}

}  // namespace

long ZQF_DevelopmentSupport_ProcessBuildNumber(ZQ_String& Text, const ZQ_String& Prefix, int Mode) {
  const ZQ_String key = "#define " + Prefix + "BuildNumber";
  const int keyAt = Text.Find(key);
  if (keyAt == ZQ_NoMatch)
    throw ZQ_Exception("Release Failed", "The build-number definition \"" + key + "\" is missing.");
  int start = keyAt + key.GetLength();
  while (start < Text.GetLength() && IsWhitespace(Text[start])) ++start;
  int end = start;
  while (end < Text.GetLength() && IsNumberChar(Text[end])) ++end;
  const long value = ZQ_StringSubs::StringToInt32(ZQ_String(Text.GetText() + start, end - start));
  if (Mode == ZQF_DevelopmentSupport_RaiseBuildNumber) {
    if (value > LONG_MAX - 2)
      throw ZQ_Exception("Release Failed", "The build number of \"" + key + "\", " +
                                               std::to_string(value).c_str() +
                                               ", cannot be raised by 2.");
    const std::string raised = std::to_string(value + 2);
    Text.Replace(start, end - start, raised.data(), static_cast<int>(raised.size()));
  }
  return value;
}

bool ZQF_DevelopmentSupport_IsVersionLine(const ZQ_String& Line) { return Line.BeginsWith("Version "); }

ZQ_String ZQF_DevelopmentSupport_UpdateHistoryText(ZQ_String& Text, const ZQ_String& VersionString) {
  return ZQF_DevelopmentSupport_UpdateHistoryTextWithHeading(Text, "Version " + VersionString + "\n\n");
}

ZQ_String ZQF_DevelopmentSupport_UpdateHistoryTextWithHeading(ZQ_String& Text, const ZQ_String& Heading) {
  const std::vector<ZQ_String> lines = SplitLines(Text);
  const size_t count = lines.size();
  ZQ_String out;
  auto writeLine = [&out](const ZQ_String& Line) {
    out += Line;
    out += '\n';
  };
  size_t i = 0;
  while (i < count && IsBlank(lines[i])) writeLine(lines[i++]);
  // A history that opens with a version heading has no title: that heading
  // is the one the new version replaces.
  if (i < count && !ZQF_DevelopmentSupport_IsVersionLine(lines[i])) {
    while (i < count && !IsBlank(lines[i])) writeLine(lines[i++]);
    while (i < count && IsBlank(lines[i])) writeLine(lines[i++]);
  }
  if (i < count && ZQF_DevelopmentSupport_IsVersionLine(lines[i])) {
    const int headingEnd = Heading.Find('\n');
    const ZQ_String firstLine = headingEnd < 0 ? Heading : Heading.GetLeft(headingEnd);
    ZQ_String removed = "Version history: heading replaced by \"" + firstLine + "\":\n";
    while (i < count && !IsBlank(lines[i])) removed += "    " + lines[i++] + "\n";
    while (i < count && IsBlank(lines[i])) ++i;
    ZQ_WriteDebugLogEntry(removed);
  }
  out += Heading;

  ZQ_String whatIsNew;
  bool isCollecting = true;
  int indent = -1;
  for (; i < count; ++i) {
    out += lines[i];
    if (i + 1 < count) out += '\n';
    if (!isCollecting) continue;
    if (ZQF_DevelopmentSupport_IsVersionLine(lines[i])) {
      isCollecting = false;
      continue;
    }
    if (indent < 0) indent = CountLeadingSpaces(lines[i]);
    const ZQ_String& line = lines[i];
    whatIsNew += line.GetLength() >= indent ? line.GetRight(line.GetLength() - indent) : line;
    whatIsNew += '\n';
  }
  int kept = whatIsNew.GetLength();
  while (kept > 0 && IsWhitespace(whatIsNew[kept - 1])) --kept;
  Text = out;
  return whatIsNew.GetLeft(kept);
}

// ---- The manager's steps ----

void ZQF_DevelopmentSupportManager::ProcessBuildNumber(ZQ_String& Text, const ZQ_String& Prefix,
                                                       int Mode) {
  const long value = ZQF_DevelopmentSupport_ProcessBuildNumber(Text, Prefix, Mode);
  if (Mode == ZQF_DevelopmentSupport_ReadBuildNumber) SetBuildNumber(value);
}

void ZQF_DevelopmentSupportManager::ParseAppBuildNumber() {
  ZQ_ProgressReportService_Task task("Parse app build number", 0);
  ZQ_String text = ZQ_LoadFileIntoString(GetAppVersionHeaderFileName());
  ProcessBuildNumber(text, "App", ZQF_DevelopmentSupport_ReadBuildNumber);
  GetBuildNumber();
  // Both numbers are raised only at the very end: a library file that
  // cannot be raised must fail the run before anything is written.
  ZQ_String library = ZQ_LoadFileIntoString(GetLibraryInfoFileName());
  IncrementLibraryBuildNumberInText(library);
  IncrementAppBuildNumberInText(text);
}

namespace {

// Loads File, raises its number with Raise and saves it through a rename.
template <class RaiseFunction>
void RaiseBuildNumberInFile(const char* TaskTitle, const ZQ_String& File, RaiseFunction Raise) {
  ZQ_ProgressReportService_Task task(TaskTitle, 0);
  ZQ_String text = ZQ_LoadFileIntoString(File);
  Raise(text);
  ZQF_DevelopmentSupport_Imp_SaveSafely(text, File);
}

}  // namespace

void ZQF_DevelopmentSupportManager::IncrementAppBuildNumber() {
  RaiseBuildNumberInFile("Incrementing app build number", GetAppVersionHeaderFileName(),
                         [this](ZQ_String& Text) { IncrementAppBuildNumberInText(Text); });
}

void ZQF_DevelopmentSupportManager::IncrementAppBuildNumberInText(ZQ_String& Text) {
  ProcessBuildNumber(Text, "App", ZQF_DevelopmentSupport_RaiseBuildNumber);
}

void ZQF_DevelopmentSupportManager::IncrementLibraryBuildNumber() {
  RaiseBuildNumberInFile("Incrementing library build number", GetLibraryInfoFileName(),
                         [this](ZQ_String& Text) { IncrementLibraryBuildNumberInText(Text); });
}

void ZQF_DevelopmentSupportManager::IncrementLibraryBuildNumberInText(ZQ_String& Text) {
  ProcessBuildNumber(Text, "Library", ZQF_DevelopmentSupport_RaiseBuildNumber);
}

void ZQF_DevelopmentSupportManager::UpdateHistoryFile() {
  ZQ_ProgressReportService_Task task("Updating history file", 0);
  const ZQ_String file = GetHomeDirectory() + GetVersionHistoryFileName();
  if (!ZQ_FileUtils::FileExists(file)) return;
  ZQ_String text = ZQ_LoadFileIntoString(file);
  UpdateHistoryText(text);
  ZQF_DevelopmentSupport_Imp_SaveSafely(text, file);
}

void ZQF_DevelopmentSupportManager::UpdateHistoryText(ZQ_String& Text) {
  ZQ_StringStream heading;
  WriteVersionLine(&heading);
  WhatIsNew = ZQF_DevelopmentSupport_UpdateHistoryTextWithHeading(Text, heading);
}

bool ZQF_DevelopmentSupportManager::IsVersionLine(const ZQ_String& Line) {
  return ZQF_DevelopmentSupport_IsVersionLine(Line);
}

void ZQF_DevelopmentSupportManager::WriteVersionLine(ZQ_TextStreamFormatter* Out) {
  *Out << "Version " << GetVersionString() << "\n\n";
}
