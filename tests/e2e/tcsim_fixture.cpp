#include "tcsim_fixture.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include "base/text_utils.h"
#include "input/typing.h"
#include "platform/win32/wide_text.h"
#include "tcsim/host_keys.h"
#include "tcsim/requests.h"
#include "ui/main/control_ids.h"

namespace kestrix::e2e {
namespace {

// Sets a value through the system's profile calls, as the host's own writes do.
void SetValue(const std::string& file, const char* section, const char* key,
              const std::string& value) {
  WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                             Wide(file).c_str());
}

}  // namespace

std::string TestBinaryDir() {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
  return Utf8(std::filesystem::path(std::wstring_view(buffer, length)).parent_path().wstring());
}

std::string KestrixExePath() {
  return TestBinaryDir() + "\\" KESTRIX_EXE_NAME;
}

std::string ReadFileText(const std::string& path) {
  // Shared access: tcsim keeps its log open for appending while tests read it.
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  for (DWORD read = 0; ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0;)
    text.append(buffer, read);
  CloseHandle(file);
  return text;
}

HostTree::HostTree(bool fresh) {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  for (int attempt = 0; attempt < 100; ++attempt) {
    dir_ = Utf8(temp) + "kx host " + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(counter++);
    if (CreateDirectoryW(Wide(dir_).c_str(), nullptr)) break;
  }
  CopyFileW(Wide(TestBinaryDir() + "\\" TCSIM_EXE_NAME).c_str(), Wide(Path("TOTALCMD.EXE")).c_str(),
            FALSE);
  SetValue(WincmdIni(), "Configuration", "firstmnu", fresh ? "0" : "1");
  SetValue(WincmdIni(), "Shortcuts", fresh ? "C+F1" : "F7", fresh ? "cm_About" : "em_Kestrix");
  if (fresh) return;
  SetValue(UsercmdIni(), "em_KestrixEnter", "button", "");
  SetValue(UsercmdIni(), "em_KestrixEnter", "cmd", "cd");
}

HostTree::~HostTree() {
  // Everything in it, read-only files included; the list of one ends with two zeros.
  const std::wstring from = Wide(dir_) + std::wstring(2, L'\0');
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationW(&operation);
}

std::string HostTree::InstallProgram(const std::string& source) {
  const std::string target = MakeDir("Kestrix") + "\\tc Kestrix.exe";
  if (!CopyFileW(Wide(source).c_str(), Wide(target).c_str(), FALSE)) return {};
  for (const char* key : {"button", "cmd"})
    SetValue(UsercmdIni(), "em_Kestrix", key, "%COMMANDER_PATH%\\Kestrix\\tc Kestrix.exe");
  SetValue(UsercmdIni(), "em_Kestrix", "param", "");
  SetValue(UsercmdIni(), "em_Kestrix", "path", "%COMMANDER_PATH%\\Kestrix\\");
  return target;
}

std::string HostTree::MakeDir(const std::string& relative) const {
  SHCreateDirectoryExW(nullptr, Wide(Path(relative)).c_str(), nullptr);
  return Path(relative);
}

std::string HostTree::MakeFile(const std::string& relative, const std::string& content) const {
  const size_t slash = relative.find_last_of('\\');
  if (slash != std::string::npos) MakeDir(relative.substr(0, slash));
  std::ofstream(std::filesystem::path(Wide(Path(relative))), std::ios::binary) << content;
  return Path(relative);
}

bool Tcsim::Start(const TcsimStart& start, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why + "\nlog:\n" + LogText();
    return false;
  };
  const auto Quote = [](const std::string& arg) { return "\"" + arg + "\""; };
  std::string line =
      Quote(start.as_host ? tree_.Path("TOTALCMD.EXE") : TestBinaryDir() + "\\" TCSIM_EXE_NAME) +
      " --left " + Quote(start.left.empty() ? tree_.Dir() : start.left) + " --right " +
      Quote(start.right.empty() ? tree_.Dir() : start.right) + " --active L --view brief" +
      (start.focus.empty() ? "" : " --focus " + Quote(start.focus)) + " --commander-path " +
      Quote(tree_.Dir()) + " --wincmd-ini " + Quote(tree_.WincmdIni()) + " --log " +
      Quote(log_path_) + (start.unicode ? " --unicode" : "");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring wide_line = Wide(line);
  if (!CreateProcessW(nullptr, wide_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Wide(tree_.Dir()).c_str(), &startup, &info))
    return fail("CreateProcess failed with error " + std::to_string(GetLastError()) + ": " + line);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  for (DWORD waited = 0; waited < 20000; waited += 20) {
    for (HWND hwnd = nullptr; (hwnd = FindWindowExW(nullptr, hwnd, L"TTOTAL_CMD", nullptr));) {
      DWORD owner = 0;
      GetWindowThreadProcessId(hwnd, &owner);
      if (owner == info.dwProcessId && IsWindowVisible(hwnd)) return window_ = hwnd, true;
    }
    if (WaitForSingleObject(process_, 20) == WAIT_OBJECT_0)
      return fail("tcsim ended with exit code " + std::to_string(*ExitCode()));
  }
  return fail("tcsim showed no window within 20 s");
}

std::optional<DWORD> Tcsim::ExitCode() const {
  DWORD code = 0;
  if (!process_ || !GetExitCodeProcess(process_, &code) || code == STILL_ACTIVE) return {};
  return code;
}

void Tcsim::Stop() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0 && window_)
    PostMessageW(window_, tcsim::kHostCommandMessage, 24340, 0);
  std::vector<HANDLE> processes{process_};
  for (DWORD id : StartedProcessIds())
    if (HANDLE started = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id))
      processes.push_back(started);
  for (HANDLE process : processes) {
    const DWORD wait = process == process_ ? 10000 : 0;
    if (WaitForSingleObject(process, wait) != WAIT_OBJECT_0) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
  }
  process_ = nullptr;
  window_ = nullptr;
}

int Tcsim::WaitForLog(const std::string& text, size_t from, DWORD timeout_ms) const {
  int found = -1;
  WaitUntil(
      [&] {
        const std::vector<std::string> lines = LogLines();
        for (size_t i = from; i < lines.size() && found < 0; ++i)
          if (lines[i].find(text) != std::string::npos) found = static_cast<int>(i);
        return found >= 0;
      },
      timeout_ms);
  return found;
}

bool Tcsim::PressKey(const std::string& notation) const {
  std::optional<tcsim::KeyPress> press = tcsim::ParseKeyPress(notation);
  return press &&
         PostMessageW(window_, tcsim::kPressKeyMessage, press->key, tcsim::ModifierBits(*press));
}

std::vector<DWORD> Tcsim::StartedProcessIds() const {
  std::vector<DWORD> ids;
  for (const std::string& line : LogLines())
    if (line.rfind("RUN pid=", 0) == 0) ids.push_back(std::stoul(line.substr(8)));
  return ids;
}

std::string WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
  return Utf8(buffer);
}

std::vector<std::string> DirectoryNames(const std::string& directory) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(Wide(directory), error))
    names.push_back(Utf8(entry.path().filename().wstring()) + (entry.is_directory() ? "\\" : ""));
  std::sort(names.begin(), names.end());
  return names;
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(Wide(path), error);
}

HWND FocusOfThread(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}

bool WaitForProcessExit(DWORD process_id, DWORD timeout_ms) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, process_id);
  if (!process) return true;
  const bool ended = WaitForSingleObject(process, timeout_ms) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

HWND WaitForWindow(const char* class_name, const char* caption, DWORD timeout_ms) {
  HWND found = nullptr;
  const auto shown = [&] {
    found = FindWindowW(Wide(class_name).c_str(), caption ? Wide(caption).c_str() : nullptr);
    return found != nullptr && IsWindowVisible(found);
  };
  return WaitUntil(shown, timeout_ms) || shown() ? found : nullptr;
}

bool TypeText(const std::string& text) {
  return TypeUnicode(text, [] { Sleep(30); });
}

HWND NameField(HWND main) {
  return FindWindowExW(Item(main, MainControl::kNameField), nullptr, L"EDIT", nullptr);
}

bool NameFieldReady(HWND main) {
  return WaitUntil([&] {
    if (GetForegroundWindow() != main) SetForegroundWindow(main);
    return GetForegroundWindow() == main && FocusOfThread(main) == NameField(main);
  });
}

HWND WaitForMainWindow() {
  HWND main = WaitForWindow(kMainClass, nullptr);
  return main != nullptr && NameFieldReady(main) ? main : nullptr;
}

}  // namespace kestrix::e2e
