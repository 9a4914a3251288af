#include "core/app/Form1.h"

namespace quirn {

namespace {
constexpr const char* kHost = "quirnpuzzle.example";
constexpr const char* kBrowser = "c:/program files/internet explorer/iexplore.exe";
} // namespace

// The fixed browser path is tried first; where it can't start (it is no absolute path
// here), the desktop's own way of opening addresses is tried before giving up.
void Form1::openWebPage(const std::string& page, const std::string& failureText) {
    const std::string address = std::string("http://") + kHost + page;
    if (platform_.startProgram(std::string(kBrowser) + " " + address)) return;
    if (platform_.openUrl(address)) return;
    message(failureText + kHost + "/quirn");
}

void Form1::mnat_Click() {
    openWebPage("/quirn/advice/index.htm", "Cannot find browser, pesky thing...  URL is ");
}
void Form1::msolweb_Click() {
    openWebPage("/quirn/index.htm", "Cannot find browser, pesky thing...  URL is ");
}
void Form1::mfor_Click() {
    openWebPage("/quirn/index.htm", "Cannot find browesr, pesky thing...  URL is ");
}
void Form1::mweb_Click() {
    openWebPage("/quirn/index.htm", "Cannot find browser, pesky thing...  URL is ");
}

} // namespace quirn
