#include "app/startup_hooks.hpp"

namespace zelto::app {

void load_signing_library(core::Ctx&) {}
void read_fingerprint_serial(core::Ctx&) {}
void rebuild_fingerprint_files(core::Ctx&) {}
void open_printer(core::Ctx&) {}

}  // namespace zelto::app
