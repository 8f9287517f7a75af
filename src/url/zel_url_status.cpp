// Status text, the good / bad / exempt rules, warnings and the redirect table.
#include "platform/platform.h"
#include "platform/regex.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"
#include "url/zel_url_page_facts.h"

namespace zel {

namespace {
// The integer value of the first character when it is a digit, else 0.
int firstDigit(std::string_view s) {
  return (!s.empty() && s[0] >= '0' && s[0] <= '9') ? s[0] - '0' : 0;
}
}  // namespace

std::string ZelUrl::getInitialStatus() const {
  const std::vector<RedirectEntry>* table = getRedirTable();
  if (!table || table->empty()) return getFinalStatus();
  return table->front().status;
}

std::string ZelUrl::getStatus() const {
  const std::vector<RedirectEntry>* table = getRedirTable();
  if (!defaults().boolForKey("dontReportRedirects") && table && !table->empty())
    return getFinalStatus() + " < " + getInitialStatus();
  return getFinalStatus();
}

bool ZelUrl::isGoodLink() const {
  const std::string s = getStatus();
  if (s.empty()) return false;
  switch (firstDigit(s)) {
    case 0: case 4: case 5: case 9: return false;
    default: return true;
  }
}

bool ZelUrl::isErrorPage() const {
  const std::string s = getStatus();
  if (s.empty()) return false;
  if (isLocalized(s, "Not checked") || isLocalized(s, "Disallowed by robots.txt")) return false;
  return firstDigit(s) >= 3;
}

bool ZelUrl::isExempt() const {
  const std::string s = getStatus();
  return s == "MCMS zref" || isLocalized(s, "Not checked") ||
         isLocalized(s, "Disallowed by robots.txt") || isLocalized(s, "Unable to make a valid URL") ||
         isLocalized(s, "missing link url");
}

bool ZelUrl::shouldBeMemberOfBadCollection() const {
  const std::string& s = getFinalStatus();
  if (s.empty()) return true;
  if (firstDigit(s) == 2) return true;
  if (leadingInteger(std::string_view(s).substr(0, 3)) == 999) return true;
  if (s == "MCMS zref") return false;
  if (isLocalized(s, "blocked by LinkedIn") || isLocalized(s, "blocked by Cloudflare") ||
      isLocalized(s, "blocked by Incapsula"))
    return true;
  if (defaults().boolForKey("shouldFlagBlacklisted") && isBlacklisted()) return false;
  if (isLocalized(s, "Not checked") || isLocalized(s, "Disallowed by robots.txt")) return true;
  if (s == "file is directory") return true;
  if (isLocalized(s, "file doesnt exist")) return false;
  if (firstDigit(s) == 1) return true;
  return false;
}

void ZelUrl::setIsBlacklisted(bool v) {
  setFlag(kBlacklisted, v);
  if (v && defaults().boolForKey("shouldFlagBlacklisted"))
    addWarning("The link url is blacklisted by a blacklist / whitelist rule");
}

void ZelUrl::setWarnings(const std::vector<std::string>& w) {
  rare().warnings = w;
}

void ZelUrl::addWarning(const std::string& text) {
  auto& warnings = rare().warnings;
  if (!warnings) {
    warnings.emplace();
    warnings->reserve(6);
  }
  warnings->push_back(text);
  owner_->sendWarningToWarningsManager(text, this);
}

void ZelUrl::addWarnings(const std::vector<std::string>& texts) {
  for (const auto& t : texts) addWarning(t);
}

std::vector<std::string> ZelUrl::getWarningsAsArrayIncludingRedirects(bool include) {
  const std::vector<std::string>* warnings = getWarnings();
  if ((!warnings || warnings->empty()) && getRedir().empty()) return {};
  if (!warnings) warnings = &rare().warnings.emplace();  // asked for: present from now on
  std::vector<std::string> out;
  const int32_t count = getRedirectCount();
  if (include && !defaults().boolForKey("dontReportRedirects") && count > 0) {
    if (count > defaults().integerForKey("redirectChain")) {
      out.push_back(strf("The original link url %s redirected %ld times, which may be considered "
                         "a redirect chain",
                         getLinkUrl().c_str(), static_cast<long>(count)));
    } else if (count == 1) {
      out.push_back("The original url " + getLinkUrl() + " was redirected once to: " +
                    getRedirDecoded());
    } else {
      out.push_back(strf("The original url %s was redirected %i times, final url: %s",
                         getLinkUrl().c_str(), count, getRedirDecoded().c_str()));
    }
  }
  out.insert(out.end(), warnings->begin(), warnings->end());
  return out;
}

std::string ZelUrl::getWarningsAsString() { return join(getWarningsAsArray(), "\n"); }

std::string ZelUrl::cleanedWarningString(std::string_view text) const {
  auto found = applyRegex("at line \\d+(/\\d+).", text, &log());
  if (!found || found->empty() || found->front().empty()) return std::string(text);
  return replaceAll(text, found->front(), "");
}

// ---- Redirect table ---------------------------------------------------------------

void ZelUrl::addRedir(std::string_view url, std::optional<std::string> status, int32_t reason) {
  std::string target = trimHash(url, defaults().boolForKey("trimQuery"));
  if (target.empty()) return;
  bool slashTrimmed = false;
  if (defaults().boolForKey("shouldIgnoreSlash") && target.back() == '/') {
    target.pop_back();
    slashTrimmed = true;
  }
  setHasHadRedirSlashTrimmed(slashTrimmed);
  rare().redir = target;
  setActualLinkUrl();
  if (!status) {
    log().always("** addRedir: has a nil object. Redirection was not added");
    return;
  }
  auto& table = rare().redirects;
  if (!table) table.emplace();
  table->push_back(RedirectEntry{std::move(target), slashTrimmed, std::move(*status), reason});
}

void ZelUrl::addRedirsFromArray(const std::vector<RedirectEntry>& entries) {
  auto& table = rare().redirects;
  if (!table) table.emplace();
  table->insert(table->end(), entries.begin(), entries.end());
}

void ZelUrl::clearRedir() {
  keepActualBeforeChanging(ActualSource::Redir);
  if (rare_) {
    rare_->redirects.reset();
    std::string().swap(rare_->redir);
  }
  actualUrlChanged();  // the slash flag that applies is the link's again
}

void ZelUrl::setRedirTable(const std::vector<RedirectEntry>& entries) {
  if (entries.empty()) return;
  rare().redirects = entries;
  keepActualBeforeChanging(ActualSource::Redir);
  rare().redir = entries.back().url;
  setHasHadRedirSlashTrimmed(entries.back().hasHadRedirSlashTrimmed);  // also forgets the image test
}

bool ZelUrl::lastRedirectWasMeta() const {
  const std::vector<RedirectEntry>* table = getRedirTable();
  return table && !table->empty() &&
         (table->back().reason == 1 || table->back().reason == 2);
}

}  // namespace zel
