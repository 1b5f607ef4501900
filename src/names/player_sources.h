#pragma once
// Values of the media-player variables "{wact}", "{bsct}", "{aict}", "{vlct}", "{kmct}",
// and the window and shared-memory reads that user-defined applications share with them.
// Each source yields the empty text when its player is not running.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/locale.h"
#include "platform/shared_memory.h"
#include "platform/window_system.h"

namespace kestrix {

// WM_GETTEXT goes out with a buffer of 255 characters, so a title has at most 254.
inline constexpr size_t kTitleChars = 254;
inline constexpr size_t kCopyDataReceiveBytes = 260;
inline constexpr size_t kAimpRecordBytes = 2048;
inline constexpr char kAimpMappingName[] = "AIMP2_RemoteInfo";
inline constexpr uint32_t kBsPlayerGetFileName = 0x1010B;
// How long a player may take to answer: a hung player gives the empty value instead of
// hanging every keystroke.
inline constexpr uint32_t kPlayerReplyMs = 150;

// Parsing of what the players publish.
std::string WinampTitleValue(std::string_view title);
std::string KmPlayerTitleValue(std::string_view title);
std::string VlcTitleValue(std::string_view title);
std::string BsPlayerPathValue(std::string_view path);
// Artist + " - " + title of an AIMP record, untrimmed. Lengths that are negative count as
// zero and texts are cut where the record ends.
std::string AimpRecordText(const std::vector<uint8_t>& record, Locale& locale);

// The text of the first top-level window of `class_name` (WM_GETTEXT, at most
// kPlayerReplyMs); nullopt when there is none.
std::optional<std::string> WindowTextOfClass(WindowSystem& windows, const std::string& class_name);

// The data of a request that tells the receiver where to write: `address` in little-endian
// order, then zeros, at least `cb_data` bytes long. nullopt when the first `cb_data` bytes
// cannot hold the address (a 64-bit program's address above 4 GB in 4 bytes). With
// `cb_data` 0 the receiver gets no data, and nothing is refused.
std::optional<std::vector<unsigned char>> AddressBlock(uint64_t address, uint32_t cb_data);

// Sends WM_COPYDATA whose data holds the address of a receive buffer of 260 bytes and
// returns what the receiver wrote there, up to its terminating zero or the buffer's end;
// empty when it does not answer within kPlayerReplyMs. The data block is at least as long
// as `cb_data`, so the window system never reads past it. Throws VariableError naming
// `variable` when `cb_data` bytes cannot hold the buffer's address.
std::string RequestCopyDataText(WindowSystem& windows, WindowHandle target, WindowHandle sender,
                                uint32_t dw_data, uint32_t cb_data, const std::string& variable);

// The first top-level window, in z-order, whose title (at most 254 characters) contains
// `fragment` (case-sensitive). The walk starts from the host's window list, so nothing is
// found while the host ("TTOTAL_CMD") is not running.
std::optional<WindowHandle> FindWindowByTitleFragment(WindowSystem& windows,
                                                      std::string_view fragment);

// The AIMP record published under `mapping_name`, as AimpRecordText; nullopt when it
// cannot be mapped.
std::optional<std::string> ReadAimpRecord(SharedMemory& memory, Locale& locale,
                                          const std::string& mapping_name);

std::string WinampSource(WindowSystem& windows);
std::string BsPlayerSource(WindowSystem& windows, WindowHandle application_window);
std::string AimpSource(SharedMemory& memory, Locale& locale);
std::string VlcSource(WindowSystem& windows);
std::string KmPlayerSource(WindowSystem& windows);

}  // namespace kestrix
