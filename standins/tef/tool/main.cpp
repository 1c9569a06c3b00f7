// tefsim: the payment managers of a checkout's data folder.
//
//   tefsim serve DATA [--interval MS]         answer requests until stopped
//   tefsim plan DATA MANAGER [BEHAVIOUR...]   add behaviours for the next requests, or show the plan
//   tefsim clear DATA [MANAGER]               forget the plans
//   tefsim journal DATA [MANAGER]             what the managers did

#include <csignal>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "tef/core/office.hpp"

namespace {

using zelto::tefsim::Behaviour;
using zelto::tefsim::Manager;
using zelto::tefsim::Office;

volatile std::sig_atomic_t stop_requested = 0;
void request_stop(int) { stop_requested = 1; }

int usage() {
  std::cerr << "usage:\n"
               "  tefsim serve DATA [--interval MS]\n"
               "  tefsim plan DATA MANAGER [BEHAVIOUR...]   e.g. \"CRT deny\" \"late 30\" \"CNF silent\"\n"
               "  tefsim clear DATA [MANAGER]\n"
               "  tefsim journal DATA [MANAGER]\n"
               "managers: PAD (tef_dial), TEC (tef_disc), HIP (HiperTEF)\n"
               "behaviours: [ATV|CRT|CHQ|ADM|CNF|NCN|*] approve | deny | late SECONDS | silent | stale | die\n";
  return 2;
}

std::int64_t steady_ms() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int serve(const std::string& data, int interval_ms) {
  std::signal(SIGTERM, request_stop);
  std::signal(SIGINT, request_stop);
  Office office(data);
  std::cout << "tefsim: serving the managers of " << data << std::endl;
  while (!stop_requested) {
    office.poll(steady_ms());
    if (const Manager* dead = office.dead()) {
      std::cout << "tefsim: manager " << dead->kind().code << " died as planned" << std::endl;
      return 3;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(interval_ms));
  }
  return 0;
}

std::vector<Manager*> chosen(Office& office, int argc, char** argv, int at) {
  std::vector<Manager*> list;
  if (argc > at) {
    list.push_back(&office.manager(argv[at]));
  } else {
    for (const char* code : {"PAD", "TEC", "HIP"}) list.push_back(&office.manager(code));
  }
  return list;
}

int run(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  const std::string data = argv[2];
  if (command == "serve") {
    int interval = 50;
    if (argc == 5 && std::string(argv[3]) == "--interval") {
      interval = std::atoi(argv[4]);
    } else if (argc != 3) {
      return usage();
    }
    return serve(data, interval > 0 ? interval : 50);
  }
  Office office(data);
  if (command == "plan") {
    if (argc < 4) return usage();
    Manager& m = office.manager(argv[3]);
    for (int i = 4; i < argc; ++i) m.plan().add(Behaviour::parse(argv[i]));
    for (const auto& b : m.plan().list()) std::cout << b.text() << "\n";
    return 0;
  }
  if (command == "clear") {
    for (Manager* m : chosen(office, argc, argv, 3)) m->plan().clear();
    return 0;
  }
  if (command == "journal") {
    for (Manager* m : chosen(office, argc, argv, 3))
      for (const auto& line : m->journal()) std::cout << m->kind().code << " " << line << "\n";
    return 0;
  }
  return usage();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "tefsim: " << e.what() << "\n";
    return 1;
  }
}
