// Addresses: how the pages' own addresses are written, and http links on an
// https site.
#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

// The path of an address, and what follows it.
struct AddressParts {
  std::string_view path, query;
};

AddressParts partsOf(std::string_view address) {
  AddressParts p;
  const size_t scheme = address.find("://");
  const size_t start = scheme == std::string_view::npos ? 0 : address.find('/', scheme + 3);
  if (start == std::string_view::npos) return p;
  std::string_view rest = address.substr(start);
  rest = rest.substr(0, rest.find('#'));
  const size_t q = rest.find('?');
  p.path = rest.substr(0, q);
  if (q != std::string_view::npos) p.query = rest.substr(q + 1);
  return p;
}

bool hasNonAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

void checkAddress(AuditRun& run, const ZelUrl* page) {
  const std::string address = page->getActualLinkUrl();
  const AddressParts parts = partsOf(address);
  const std::string decoded = percentDecode(address);
  if (hasNonAscii(decoded)) run.add(Issue::AddressNonAscii, page, decoded);
  if (parts.path.find('_') != std::string_view::npos) run.add(Issue::AddressUnderscores, page);
  for (size_t i = 0; i < parts.path.size(); ++i) {
    if (parts.path[i] == '%')
      i += 2;  // an escape's hex digits are no letters of the address
    else if (parts.path[i] >= 'A' && parts.path[i] <= 'Z') {
      run.add(Issue::AddressUppercase, page);
      break;
    }
  }
  if (!parts.query.empty()) run.add(Issue::AddressParameters, page, std::string(parts.query));
  if (static_cast<int64_t>(utf8Length(address)) > run.limits.urlMax)
    run.add(Issue::AddressTooLong, page, strf("%zu characters", utf8Length(address)));
  if (parts.path.find("//") != std::string_view::npos) run.add(Issue::AddressRepeatedSlashes, page);
  const std::string_view beforeFragment = std::string_view(address).substr(0, address.find('#'));
  if (beforeFragment.find(' ') != std::string_view::npos ||
      beforeFragment.find("%20") != std::string_view::npos)
    run.add(Issue::AddressSpaces, page);
}

void httpLinks(AuditRun& run, const ZelUrl* page) {
  if (!startsWith(page->getActualurl(), "https://")) return;
  std::vector<std::string> targets;
  size_t total = 0;
  for (const ZelLinkInstance* i : page->getOutboundInstances()) {
    const ZelUrl* t = i->target();
    if (!t || !isPageLink(*i) || !startsWith(t->getLinkUrl(), "http://")) continue;
    // Internal, or the site's own host that httpIsExternal keeps outside.
    const auto host = Url::parse(t->getLinkUrl());
    const auto own = Url::parse(page->getActualurl());
    if (!t->isInternal() && !(host && own && equalsIgnoreCase(host->host(), own->host()))) continue;
    if (std::find(targets.begin(), targets.end(), t->getLinkUrl()) != targets.end()) continue;
    ++total;
    targets.push_back(t->getLinkUrl());
  }
  if (total) run.add(Issue::AddressHttpLinkOnHttps, page, firstFew(targets, total));
}

}  // namespace

void checkAddresses(AuditRun& run) {
  for (const ZelUrl* page : run.pages) {
    checkAddress(run, page);
    if (run.httpsSite) httpLinks(run, page);
  }
}

}  // namespace zel::audit
