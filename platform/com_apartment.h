#pragma once

namespace discgate {

// COM for the calling thread while it lives: the shell's "open" may load extensions that need it.
class ComApartment {
 public:
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment();

 private:
  bool m_initialised = false;
};

}  // namespace discgate
