#pragma once
// The commands that open a crawl database again: `recheck`, `continue`, `diff`.
// Each returns the exit status (see ExitStatus; diff: 0 no difference, 1 differences).
// `hooks`, when given, follow the command for another host (the window).
#include <cstdio>
#include <memory>

#include "audit_session.h"
#include "cli_alerts.h"
#include "command_hooks.h"
#include "folder_server.h"
#include "options.h"
#include "report/database_loader.h"
#include "zelmora/zelmora.h"

namespace zel::cli {

int runRecheck(const Options& options, const CommandHooks* hooks = nullptr);
int runContinue(const Options& options, const CommandHooks* hooks = nullptr);
int runDiff(const Options& options);

// A loaded crawl with its platform, settings and hub.
struct Session {
  SavedCrawl saved;
  const MemoryDefaults* settings = nullptr;  // owned by `real`
  std::unique_ptr<RealPlatform> real;
  Platform platform;
  std::unique_ptr<CliAlerts> alerts;
  std::unique_ptr<FolderServer> folder;  // a crawl of a local folder over http serves it again
  std::unique_ptr<ZelHub> hub;
  std::unique_ptr<AuditSession> audit;  // after the hub: it reads the hub's records
  // A command about to exit leaves the hub for the OS to free; a host that goes on frees it.
  bool leftForExit = true;

  ~Session();
};

// Opens the crawl database `options.target` and loads it into a new hub made
// with the crawl's own settings, then the options' (see the README); what was
// not saved (a password, header values) is said on `notices`.
Status openSession(const Options& options, Session& session, FILE* notices = stderr);

// What `diff OLD NEW --json` prints: the URLs new, gone, and whose status,
// title or description changed.
Status diffSavedCrawls(const std::string& olderPath, const std::string& newerPath, Json& doc);

}  // namespace zel::cli
