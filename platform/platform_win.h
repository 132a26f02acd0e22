#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace discgate {

// Safe to use from two threads at once, but for SetOwner: it keeps no state of its own besides.
class WinPlatform final : public Platform {
 public:
  // Windows the shell shows while it starts something are owned by `owner`, so they sit on top.
  void SetOwner(HWND owner) { m_owner = owner; }

  Result<std::string> ModulePath() override;
  std::uint32_t ProcessId() override;
  Result<std::string> ReadWholeFile(const std::string& path, std::uint64_t maxBytes) override;
  Result<std::vector<std::string>> ListFiles(const std::string& folder) override;
  Result<std::string> GetTempDir() override;
  Result<std::unique_ptr<TemporaryFile>> CreateTemporaryFile(const std::string& path) override;
  Result<std::unique_ptr<HeldFile>> HoldFile(const std::string& path) override;
  Result<FileIdentity> IdentityOf(const std::string& path) override;
  Result<std::uint32_t> VolumeSerialOf(const std::string& path) override;
  bool IsFile(const std::string& path) override;
  ExecutableLookup LookupExecutable(const std::string& file, const std::string& folder) override;
  Status StartProcess(const std::string& program, const std::string& commandLine) override;
  Status ShellOpen(const std::string& file, const std::string& folder) override;
  Status ShellOpenWebPage(const std::string& page, const std::string& folder) override;
  std::vector<std::string> PreferredUiLanguages() override;
  std::string AnsiToUtf8(std::string_view bytes) override;

  // What the window keeps a copy of the licence with. A new file holding `bytes`, in place of
  // one of that name (the Save dialog asked before). The user's Documents folder, "" if unknown.
  static Status WriteNewFile(const std::string& path, const std::string& bytes);
  static std::string DocumentsFolder();

 private:
  HWND m_owner = nullptr;
};

}  // namespace discgate
