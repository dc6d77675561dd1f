// A disk that fills up: while one of these lives, no file of the process
// may grow past `octets`, and a write beyond fails instead of stopping the
// program. How the tests make "disque plein" without filling a disk.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace tolvan::test {

class DisqueLimite {
 public:
  explicit DisqueLimite(rlim_t octets) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &avant_);
    const rlimit petite{octets, avant_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &petite);
  }
  ~DisqueLimite() { setrlimit(RLIMIT_FSIZE, &avant_); }
  DisqueLimite(const DisqueLimite&) = delete;
  DisqueLimite& operator=(const DisqueLimite&) = delete;

 private:
  rlimit avant_{};
};

}  // namespace tolvan::test
