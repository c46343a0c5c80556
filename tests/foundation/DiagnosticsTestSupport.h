// DiagnosticsTestSupport.h: files of the debugging log and the fatal-error
// report as the tests see them: whole-file reads, scratch folders, and
// blocking a file name with a folder of that name (running as root, a
// read-only folder would not stop a write; a folder in a file's place does).
// Plain Win32 calls, so that the helpers do not depend on the code under
// test.
#ifndef DIAGNOSTICS_TEST_SUPPORT_H
#define DIAGNOSTICS_TEST_SUPPORT_H

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

// The whole file, or "<missing>" when it cannot be opened.
inline std::string ReadWholeFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWholeFile(const std::string& Path, const std::string& Text) {
  std::ofstream(Path, std::ios::binary) << Text;
}

inline bool FileIsThere(const std::string& Path) {
  const DWORD attributes = ::GetFileAttributesA(Path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Removes a file, or a folder of that name; nothing when neither exists.
inline void RemovePath(const std::string& Path) {
  ::DeleteFileA(Path.c_str());
  ::RemoveDirectoryA(Path.c_str());
}

// A folder in place of the file Path, so that the file cannot be created.
inline void BlockFileName(const std::string& Path) {
  RemovePath(Path);
  ::CreateDirectoryA(Path.c_str(), nullptr);
}

inline std::string TemporaryDirectory() {
  char buffer[MAX_PATH + 1] = "";
  ::GetTempPathA(sizeof buffer, buffer);
  return buffer;
}

inline std::string ExecutablePath() {
  char buffer[MAX_PATH + 1] = "";
  ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return buffer;
}

inline std::string ExecutableDirectory() {
  const std::string path = ExecutablePath();
  return path.substr(0, path.find_last_of("\\/") + 1);
}

// The executable's name without folder and extension ("FoundationTests").
inline std::string ExecutableBase() {
  const std::string path = ExecutablePath();
  const std::string name = path.substr(path.find_last_of("\\/") + 1);
  return name.substr(0, name.rfind('.'));
}

// A scratch folder in the temporary directory, removed with its files (one
// level) when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& Name) : Path(TemporaryDirectory() + Name + "\\") {
    Clear();
    ::CreateDirectoryA(Path.c_str(), nullptr);
  }
  ~ScratchFolder() {
    Clear();
    ::RemoveDirectoryA(Path.c_str());
  }
  const std::string& Get() const { return Path; }

 private:
  void Clear() {
    WIN32_FIND_DATAA entry;
    const HANDLE search = ::FindFirstFileA((Path + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
      const std::string name = entry.cFileName;
      if (name != "." && name != "..") RemovePath(Path + name);
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
  }
  std::string Path;
};

#endif
