#pragma once
// The installer window. Opened when the program runs outside the host's tree or is asked
// for it on the command line.
#include "platform/win32/windows_api.h"
#include "ui/form.h"

namespace kestrix {

class TKestrix_Installer : public Form {
 public:
  bool Create(HINSTANCE instance);
  void Show(int show_command);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace kestrix
