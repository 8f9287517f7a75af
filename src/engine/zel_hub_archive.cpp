// The hub's side of the page archive: it hands the store its records, its follow
// lists and the crawled domain.
#include "archive/archive_store.h"
#include "engine/zel_hub.h"
#include "platform/url.h"

namespace zel {

void ZelHub::archivePage(ZelUrl* record) {
  if (record) archiveStore_->archivePage(*record, followBlacklistArray_, followWhitelistArray_);
}

std::optional<std::string> ZelHub::fileLocationForArchive(std::string_view actualLinkUrl) const {
  return archiveStore_->fileLocationForArchive(actualLinkUrl);
}

void ZelHub::clearArchiveFolder() { archiveStore_->clearArchiveFolder(); }

std::optional<std::string> ZelHub::saveArchive() {
  // Links are rewritten when they name the first domain as their URLs write
  // it: with the starting address's port when it has one.
  std::string domain = domains_.empty() ? std::string() : domains_.front();
  if (auto start = Url::parse(startingUrl_); start && start->port() && start->host() == domain)
    domain += ":" + std::to_string(*start->port());
  return archiveStore_->saveArchive(domain);
}

const ArchiveIndex* ZelHub::getArchiveIndex() const { return archiveStore_->getArchiveIndex(); }

std::optional<std::string> ZelHub::getInternalArchiveLocation() const {
  return archiveStore_->getInternalArchiveLocation();
}

std::string ZelHub::uniqueStringUsingDateAndTime() const {
  return archiveStore_->uniqueStringUsingDateAndTime();
}

}  // namespace zel
