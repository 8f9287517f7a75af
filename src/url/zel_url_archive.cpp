// Where a record's page lies in the internal archive.
#include "archive/archive_store.h"
#include "engine/zel_hub.h"
#include "url/zel_url.h"

namespace zel {

std::optional<std::string> ZelUrl::fileLocationForArchive() const {
  if (!owner_) return std::nullopt;
  return owner_->archiveStore().fileLocationForArchive(getActualLinkUrl());
}

}  // namespace zel
