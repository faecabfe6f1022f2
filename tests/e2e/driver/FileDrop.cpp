#include "driver/FileDrop.h"

#include <stdexcept>

#include "driver/ProgramProbe.h"
#include "probe/ProbeProtocol.h"

namespace e2e {
namespace {

// A global atom, which carries the path to the probe, for one scope.
class GlobalAtom {
  public:
    explicit GlobalAtom(const std::wstring& text) : atom_(GlobalAddAtomW(text.c_str())) {
        if (atom_ == 0) {
            throw std::runtime_error("could not hand the path over in a global atom");
        }
    }
    ~GlobalAtom() { GlobalDeleteAtom(atom_); }
    GlobalAtom(const GlobalAtom&) = delete;
    GlobalAtom& operator=(const GlobalAtom&) = delete;

    ATOM get() const { return atom_; }

  private:
    ATOM atom_;
};

}  // namespace

void dropFile(HWND mainWindow, const std::wstring& path) {
    const GlobalAtom pathAtom(path);
    askProbe(mainWindow, probe::kFileDroppedData, std::to_wstring(pathAtom.get()));
}

}  // namespace e2e
