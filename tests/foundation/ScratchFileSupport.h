// ScratchFileSupport.h: a fresh folder in the temporary directory for tests
// that read and write files, removed with everything in it at the end. Files
// are made and checked with the plain Windows calls, not with the library
// under test.
#ifndef SCRATCH_FILE_SUPPORT_H
#define SCRATCH_FILE_SUPPORT_H

#include "ZQLOW_Windows.h"

#include <string>

// An exception description with a sentence appended as a paragraph of its
// own, as file operations append theirs.
inline std::string WithParagraph(std::string Text, const std::string& Sentence) {
  if (Text.empty() || Text.back() != '\n') Text += '\n';
  return Text + "\n" + Sentence;
}

class ScratchFolder {
 public:
  explicit ScratchFolder(const char* Stem) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path = std::string(temp) + Stem + "-" + std::to_string(GetCurrentProcessId());
    RemoveTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
  }
  ~ScratchFolder() { RemoveTree(path); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder's path followed by "\" and Relative.
  std::string operator/(const std::string& Relative) const { return path + "\\" + Relative; }

  std::string Put(const std::string& Relative, const std::string& Bytes) const {
    const std::string name = *this / Relative;
    const HANDLE file =
        CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (!Bytes.empty())
      WriteFile(file, Bytes.data(), static_cast<DWORD>(Bytes.size()), &written, nullptr);
    CloseHandle(file);
    return name;
  }
  std::string MakeFolder(const std::string& Relative) const {
    const std::string name = *this / Relative;
    CreateDirectoryA(name.c_str(), nullptr);
    return name;
  }
  // A sparse file of Size bytes: large sizes cost no disk space.
  std::string PutSparse(const std::string& Relative, unsigned long long Size) const {
    const std::string name = *this / Relative;
    const HANDLE file =
        CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LONG high = static_cast<LONG>(Size >> 32);
    SetFilePointer(file, static_cast<LONG>(Size & 0xFFFFFFFFu), &high, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    return name;
  }

  static bool Exists(const std::string& Name) {
    return GetFileAttributesA(Name.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  static std::string Get(const std::string& Name) {
    const HANDLE file = CreateFileA(Name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
      bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
  }
  // True when nobody else holds the file open: it opens without sharing.
  static bool CanOpenExclusively(const std::string& Name) {
    const HANDLE file =
        CreateFileA(Name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }

  // True when the file can be opened without sharing and cut to 0 bytes.
  static bool CanTruncate(const std::string& Name) {
    const HANDLE file =
        CreateFileA(Name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const BOOL isCut = SetEndOfFile(file);
    CloseHandle(file);
    return isCut != FALSE;
  }

  std::string path;

 private:
  static void RemoveTree(const std::string& Folder) {
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA((Folder + "\\*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        const std::string full = Folder + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(full);
        else
          DeleteFileA(full.c_str());
      } while (FindNextFileA(search, &data));
      FindClose(search);
    }
    RemoveDirectoryA(Folder.c_str());
  }
};

#endif
