#include "tcsim_fixture.h"

#include <shellapi.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <sstream>

#include "input/typing.h"
#include "tcsim/host_keys.h"
#include "tcsim/requests.h"

namespace kestrix::e2e {
namespace {

// Removes the directory with everything in it, read-only files included.
void DeleteTree(const std::string& dir) {
  const std::string from = dir + std::string(2, '\0');  // a list of one, ended by two zeros
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&operation);
}

std::string Quote(const std::string& arg) {
  return "\"" + arg + "\"";
}

// Sets a value through the system's profile calls, as the host's own writes do.
void SetValue(const std::string& file, const char* section, const char* key,
              const std::string& value) {
  WritePrivateProfileStringA(section, key, value.c_str(), file.c_str());
}

}  // namespace

std::string TestBinaryDir() {
  char buffer[MAX_PATH * 2];
  DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string path(buffer, length < sizeof buffer ? length : 0);
  return path.substr(0, path.find_last_of('\\'));
}

std::string TcsimExePath() {
  return TestBinaryDir() + "\\" TCSIM_EXE_NAME;
}
std::string KestrixExePath() {
  return TestBinaryDir() + "\\" KESTRIX_EXE_NAME;
}

std::string ReadFileText(const std::string& path) {
  // Shared access: tcsim keeps its log open for appending while tests read it.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    text.append(buffer, read);
  CloseHandle(file);
  return text;
}

HostTree::HostTree(bool fresh) {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string base = temp;
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (int attempt = 0; attempt < 100; ++attempt) {
    dir_ = base + "\\kx host " + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(counter++);
    if (CreateDirectoryA(dir_.c_str(), nullptr)) break;
  }
  CopyFileA(TcsimExePath().c_str(), Path("TOTALCMD.EXE").c_str(), FALSE);
  SetValue(WincmdIni(), "Configuration", "firstmnu", fresh ? "0" : "1");
  if (fresh) {
    SetValue(WincmdIni(), "Shortcuts", "C+F1", "cm_About");
    return;
  }
  SetValue(WincmdIni(), "Shortcuts", "F7", "em_Kestrix");
  SetValue(UsercmdIni(), "em_KestrixEnter", "button", "");
  SetValue(UsercmdIni(), "em_KestrixEnter", "cmd", "cd");
}

HostTree::~HostTree() {
  DeleteTree(dir_);
}

std::string HostTree::InstallProgram(const std::string& source, const std::string& relative,
                                     const std::string& param) {
  std::string target = Path(relative);
  size_t slash = relative.find_last_of('\\');
  std::string folder = slash == std::string::npos ? "" : relative.substr(0, slash + 1);
  if (!folder.empty()) MakeDir(folder);
  if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) return {};
  // em_Kestrix as the installer binds it.
  for (const char* key : {"button", "cmd"})
    SetValue(UsercmdIni(), "em_Kestrix", key, "%COMMANDER_PATH%\\" + relative);
  SetValue(UsercmdIni(), "em_Kestrix", "param", param);
  SetValue(UsercmdIni(), "em_Kestrix", "path", "%COMMANDER_PATH%\\" + folder);
  return target;
}

std::string HostTree::MakeDir(const std::string& relative) const {
  std::string path = dir_;
  std::stringstream parts(relative);
  for (std::string part; std::getline(parts, part, '\\');) {
    if (part.empty()) continue;
    path += "\\" + part;
    CreateDirectoryA(path.c_str(), nullptr);
  }
  return path;
}

std::string HostTree::MakeFile(const std::string& relative, const std::string& content) const {
  size_t slash = relative.find_last_of('\\');
  if (slash != std::string::npos) MakeDir(relative.substr(0, slash));
  std::string path = Path(relative);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  return path;
}

bool Tcsim::Start(const TcsimStart& start, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why + "\nlog:\n" + LogText();
    return false;
  };
  std::string line = Quote(start.as_host ? tree_.Path("TOTALCMD.EXE") : TcsimExePath());
  line += " --left " + Quote(start.left.empty() ? tree_.Dir() : start.left);
  line += " --right " + Quote(start.right.empty() ? tree_.Dir() : start.right);
  line += " --active L --view brief";
  if (!start.focus.empty()) line += " --focus " + Quote(start.focus);
  line += " --commander-path " + Quote(tree_.Dir());
  line += " --wincmd-ini " + Quote(tree_.WincmdIni());
  line += " --log " + Quote(log_path_);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      tree_.Dir().c_str(), &startup, &info))
    return fail("CreateProcess failed with error " + std::to_string(GetLastError()) + ": " + line);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  process_id_ = info.dwProcessId;
  for (DWORD waited = 0; waited < 20000; waited += 20) {
    for (HWND hwnd = FindWindowExA(nullptr, nullptr, "TTOTAL_CMD", nullptr); hwnd;
         hwnd = FindWindowExA(nullptr, hwnd, "TTOTAL_CMD", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(hwnd, &owner);
      if (owner == process_id_ && IsWindowVisible(hwnd)) {
        window_ = hwnd;
        return true;
      }
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

bool Tcsim::Stop(DWORD timeout_ms) {
  if (!process_) return true;
  bool clean = true;
  if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
    if (window_) PostMessageA(window_, tcsim::kHostCommandMessage, 24340, 0);
    if (WaitForSingleObject(process_, timeout_ms) != WAIT_OBJECT_0) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
      clean = false;
    }
  }
  for (DWORD id : StartedProcessIds()) {
    HANDLE started = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!started) continue;
    if (WaitForSingleObject(started, 0) != WAIT_OBJECT_0) {
      TerminateProcess(started, 1);
      WaitForSingleObject(started, 5000);
    }
    CloseHandle(started);
  }
  CloseHandle(process_);
  process_ = nullptr;
  window_ = nullptr;
  return clean;
}

std::string Tcsim::LogText() const {
  return ReadFileText(log_path_);
}

std::vector<std::string> Tcsim::LogLines() const {
  std::vector<std::string> lines;
  std::stringstream text(LogText());
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

int Tcsim::WaitForLog(const std::string& text, size_t from, DWORD timeout_ms) const {
  int found = -1;
  WaitUntil(
      [&] {
        std::vector<std::string> lines = LogLines();
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
         PostMessageA(window_, tcsim::kPressKeyMessage, press->key, tcsim::ModifierBits(*press));
}

namespace {

// Hands each WM_COPYDATA answer's bytes (cbData of them) to the query waiting for it.
std::function<void(const char* data, size_t size)> g_sink;

LRESULT CALLBACK ReplyProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COPYDATA && lparam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    if (g_sink) g_sink(static_cast<const char*>(data->lpData), data->lpData ? data->cbData : 0);
    return TRUE;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

HWND ReplyWindow() {
  static HWND window = [] {
    WNDCLASSA cls{};
    cls.lpfnWndProc = ReplyProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "KestrixE2eReply";
    RegisterClassA(&cls);
    return CreateWindowExA(0, cls.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, cls.hInstance,
                           nullptr);
  }();
  return window;
}

}  // namespace

LRESULT Tcsim::SendCopyData(ULONG_PTR id, const std::string& bytes) const {
  COPYDATASTRUCT data{id, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
  return SendMessageA(window_, WM_COPYDATA, reinterpret_cast<WPARAM>(ReplyWindow()),
                      reinterpret_cast<LPARAM>(&data));
}

std::optional<std::string> Tcsim::Query(const std::string& request) const {
  std::optional<std::string> reply;
  g_sink = [&reply](const char* data, size_t size) { reply = tcsim::TextUpToZero(data, size); };
  SendCopyData(tcsim::kCopyDataGetAnswer, request + std::string(1, '\0'));
  g_sink = nullptr;
  return reply;
}

LRESULT Tcsim::ChangeDir(const std::string& path, bool left) const {
  std::string payload = left ? path + "\r" : "\r" + path;
  payload += std::string(2, '\0');
  return SendCopyData(tcsim::kCopyDataChangeDir, payload);
}

std::vector<DWORD> Tcsim::StartedProcessIds() const {
  std::vector<DWORD> ids;
  for (const std::string& line : LogLines())
    if (line.rfind("RUN pid=", 0) == 0) ids.push_back(std::stoul(line.substr(8)));
  return ids;
}

std::string WindowText(HWND window) {
  if (!window) return {};
  char buffer[256] = {};
  LRESULT length =
      SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, length > 0 && length < 256 ? static_cast<size_t>(length) : 0);
}

HWND FocusOfThread(HWND window) {
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool WaitForProcessExit(DWORD process_id, DWORD timeout_ms) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, process_id);
  if (!process) return true;
  bool ended = WaitForSingleObject(process, timeout_ms) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

HWND WaitForWindow(const char* class_name, const char* caption, DWORD timeout_ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = FindWindowA(class_name, caption);
        return found != nullptr && IsWindowVisible(found);
      },
      timeout_ms);
  return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

bool TypeText(const std::string& text) {
  return TypeUnicode(text, [] { Sleep(30); });
}

}  // namespace kestrix::e2e
