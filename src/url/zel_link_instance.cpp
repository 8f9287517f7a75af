#include "url/zel_link_instance.h"

#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel {

void ZelLinkInstance::setLinkText(std::optional<std::string> text) {
  hasLinkText_ = text.has_value();
  linkText_ = text ? std::move(*text) : std::string();
}

ZelLinkInstance::Attrs& ZelLinkInstance::attrs() {
  if (!attrs_) attrs_ = std::make_unique<Attrs>();
  return *attrs_;
}

void ZelLinkInstance::setRel(std::string_view rel) {
  static constexpr std::pair<std::string_view, uint16_t> kWords[] = {
      {"nofollow", kNf}, {"noreferrer", kNr}, {"noopener", kNop}, {"author", kAu},
      {"alternate", kAlt}, {"sponsored", kSp}, {"ugc", kUgc}};
  for (const auto& [word, flag] : kWords)
    if (containsIgnoreCase(rel, word)) flags_ |= flag;
  if (containsIgnoreCase(rel, "dns-prefetch") || containsIgnoreCase(rel, "preconnect"))
    flags_ |= kPc;
  attrs().rel = std::string(rel);
}

void ZelLinkInstance::setTargetAttr(std::string_view v) {
  if (!v.empty()) attrs().targetAttr = std::string(v);
}

void ZelLinkInstance::setHreflang(std::string_view v) {
  if (!v.empty()) attrs().hreflang = std::string(v);
}

std::string ZelLinkInstance::getRel() const {
  return attrs_ && attrs_->rel ? *attrs_->rel : std::string();
}
std::string ZelLinkInstance::getTargetAttr() const {
  return attrs_ && attrs_->targetAttr ? *attrs_->targetAttr : std::string();
}
std::string ZelLinkInstance::getHreflang() const {
  return attrs_ && attrs_->hreflang ? *attrs_->hreflang : std::string();
}

std::string ZelLinkInstance::getStatus() const { return target_ ? target_->getStatus() : ""; }
std::string ZelLinkInstance::getLinkUrl() const { return target_ ? target_->getLinkUrl() : ""; }
std::string ZelLinkInstance::getRedir() const { return target_ ? target_->getRedir() : ""; }
std::string ZelLinkInstance::getTimestamp() const {
  return target_ ? target_->getFieldByName("timestamp").value_or("") : "";
}
std::string ZelLinkInstance::getOnPageUrl() const {
  return parent_ ? parent_->getActualLinkUrl() : "";
}
std::string ZelLinkInstance::getOnPageTitle() const {
  return parent_ ? parent_->getLinkPageTitle() : "";
}
int32_t ZelLinkInstance::getDistance() const { return parent_ ? parent_->getDistance() : 0; }
int32_t ZelLinkInstance::getRedirectCount() const {
  return target_ ? target_->getRedirectCount() : 0;
}
double ZelLinkInstance::getTargetsize() const { return target_ ? target_->getFilesize() : 0; }
std::string ZelLinkInstance::getTargetInternal() const {
  if (!target_) return "";
  return target_->isInternal() ? "Internal" : "External";
}

bool ZelLinkInstance::contains(std::string_view term) const {
  if (term.empty()) return true;
  return containsIgnoreCase(getStatus(), term) || containsIgnoreCase(getLinkUrl(), term) ||
         containsIgnoreCase(getOnPageUrl(), term) || containsIgnoreCase(getRedir(), term) ||
         containsIgnoreCase(linkText_, term);
}

}  // namespace zel
