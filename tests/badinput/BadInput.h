// The real main window driven as a person drives it over bad files, with what the checks
// need around it: permission bits that hold even for root, a small full disk, a stopwatch
// and the process's memory.
#pragma once

#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/syscall.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>
#include <map>
#include <random>

#include "RealWindow.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;

// While alive, the file permission bits hold for this thread even when it runs as root
// (which CI does): the overriding capabilities leave its effective set, and come back after.
struct PermissionBitsHold {
  PermissionBitsHold() {
    if (::syscall(SYS_capget, &head_, saved_) != 0) return;
    __user_cap_data_struct now[2] = {saved_[0], saved_[1]};
    now[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
    active_ = ::syscall(SYS_capset, &head_, now) == 0;
  }
  ~PermissionBitsHold() {
    if (active_) ::syscall(SYS_capset, &head_, saved_);
  }
  __user_cap_header_struct head_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
  bool active_ = false;
};

// A tmpfs of `kib` KiB over `folder` while alive; `mounted` is false where mounting is not
// permitted (not root, or a container without the right).
struct SmallDisk {
  SmallDisk(const fs::path& at, int kib) : folder(at) {
    const std::string options = "size=" + std::to_string(kib) + "k,mode=0700";
    mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ~SmallDisk() {
    if (mounted) ::umount2(folder.c_str(), MNT_DETACH);
  }
  const fs::path folder;
  bool mounted = false;
};

inline std::string randomBytes(std::size_t n) {
  std::string out(n, '\0');
  std::generate(out.begin(), out.end(), std::mt19937(7));  // the same bytes every run
  return out;
}

// The peak resident memory of the process since the last resetPeak(), in MiB.
inline long peakMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::atol(line.c_str() + 6) / 1024;
  return 0;
}
inline void resetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// A folder's entries with each file's bytes (or the entry's type), to show nothing was
// lost, changed or left behind.
inline std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> out;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const auto type = it->symlink_status().type();
    out[it->path().filename().string()] =
        type == fs::file_type::regular ? RealWindow::read(it->path()) : std::to_string(int(type));
  }
  return out;
}

// The person at the window: each action returns how long the window took to answer, in ms.
class Person {
 public:
  explicit Person(RealWindow& w) : w_(w) {}

  qint64 chooseYear(const QString& year) {
    return timed([&] {
      auto* box = w_.widget<QComboBox>("S_YEAR");
      box->showPopup();
      box->view()->setCurrentIndex(box->model()->index(box->findText(year), 0));
      QTest::keyClick(box->view(), Qt::Key_Return);
    });
  }
  // Opens and closes the make list, types the make and presses Enter.
  qint64 typeMake(const QString& make) {
    return timed([&] {
      w_.widget<QComboBox>("S_MAKE")->showPopup();
      w_.widget<QComboBox>("S_MAKE")->hidePopup();
      w_.widget<QComboBox>("S_MAKE")->setFocus();
      w_.widget<QComboBox>("S_MAKE")->lineEdit()->selectAll();
      QTest::keyClicks(QApplication::focusWidget(), make);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
  }
  qint64 press(const char* button) {
    return timed([&] { QTest::mouseClick(w_.widget<QPushButton>(button), Qt::LeftButton); });
  }
  QString firstModel() const { return w_.widget<QTextEdit>("S_MODEL", 0)->toPlainText(); }
  // The messages shown since the last call, joined by "|".
  QString newMessages() {
    const QString out = w_.desktop->messages.join("|");
    w_.desktop->messages.clear();
    return out;
  }

  template <class F>
  qint64 timed(F action) {
    QElapsedTimer clock;
    clock.start();
    action();
    w_.view->flush();
    return clock.elapsed();
  }

 private:
  RealWindow& w_;
};

}  // namespace orv::testing
