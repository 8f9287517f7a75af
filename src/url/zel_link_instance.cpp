#include "url/zel_link_instance.h"

#include "platform/text_format.h"
#include "url/zel_link_graph.h"
#include "url/zel_url.h"

namespace zel {

ZelLinkGraph& ZelLinkInstance::graph() const { return ZelLinkGraph::of(this); }
uint32_t ZelLinkInstance::index() const { return ZelLinkGraph::indexOf(this); }

ZelUrl* ZelLinkInstance::parent() const {
  ZelLinkGraph& g = graph();
  return g.record(g.parentIndexOf(index()));
}
ZelUrl* ZelLinkInstance::target() const { return graph().record(target_); }

void ZelLinkInstance::setLineNumber(std::optional<int32_t> n) {
  uint32_t code = kNoLine;
  if (n && *n >= 0 && static_cast<uint32_t>(*n) < kLineElsewhere - 1) {
    code = static_cast<uint32_t>(*n) + 1;
  } else if (n) {
    code = kLineElsewhere;
    graph().attrs(index()).lineNumber = *n;
    flags_ |= kHasAttrs;
  }
  flags_ = (flags_ & ((1u << kLineShift) - 1)) | (code << kLineShift);
}

int32_t ZelLinkInstance::storedLineNumber() const {
  return graph().findAttrs(index())->lineNumber;
}

void ZelLinkInstance::setLinkText(std::optional<std::string_view> text) {
  text_ = text ? graph().intern(*text) : 0;
  setFlag(kMarkerText, text && ((!text->empty() && text->front() == '[') ||
                                *text == "form action" || *text == "canonical"));
}

const std::string& ZelLinkInstance::linkText() const { return graph().text(text_); }

void ZelLinkInstance::setRel(std::string_view rel) {
  static constexpr std::pair<std::string_view, uint32_t> kWords[] = {
      {"nofollow", kNf}, {"noreferrer", kNr}, {"noopener", kNop}, {"author", kAu},
      {"alternate", kAlt}, {"sponsored", kSp}, {"ugc", kUgc}};
  for (const auto& [word, flag] : kWords)
    if (containsIgnoreCase(rel, word)) flags_ |= flag;
  if (containsIgnoreCase(rel, "dns-prefetch") || containsIgnoreCase(rel, "preconnect"))
    flags_ |= kPc;
  ZelLinkGraph& g = graph();
  const uint32_t id = g.intern(rel);
  g.attrs(index()).rel = id;
  flags_ |= kHasAttrs;
}

void ZelLinkInstance::setTargetAttr(std::string_view v) {
  if (v.empty()) return;
  ZelLinkGraph& g = graph();
  const uint32_t id = g.intern(v);
  g.attrs(index()).targetAttr = id;
  flags_ |= kHasAttrs;
}

void ZelLinkInstance::setHreflang(std::string_view v) {
  if (v.empty()) return;
  ZelLinkGraph& g = graph();
  const uint32_t id = g.intern(v);
  g.attrs(index()).hreflang = id;
  flags_ |= kHasAttrs;
}

std::string ZelLinkInstance::getRel() const {
  if (!(flags_ & kHasAttrs)) return "";
  const ZelLinkGraph& g = graph();
  return g.text(g.findAttrs(index())->rel);
}
std::string ZelLinkInstance::getTargetAttr() const {
  if (!(flags_ & kHasAttrs)) return "";
  const ZelLinkGraph& g = graph();
  return g.text(g.findAttrs(index())->targetAttr);
}
std::string ZelLinkInstance::getHreflang() const {
  if (!(flags_ & kHasAttrs)) return "";
  const ZelLinkGraph& g = graph();
  return g.text(g.findAttrs(index())->hreflang);
}

std::string ZelLinkInstance::getStatus() const {
  const ZelUrl* t = target();
  return t ? t->getStatus() : "";
}
std::string ZelLinkInstance::getLinkUrl() const {
  const ZelUrl* t = target();
  return t ? t->getLinkUrl() : "";
}
std::string ZelLinkInstance::getRedir() const {
  const ZelUrl* t = target();
  return t ? t->getRedir() : "";
}
std::string ZelLinkInstance::getTimestamp() const {
  const ZelUrl* t = target();
  return t ? t->getFieldByName("timestamp").value_or("") : "";
}
std::string ZelLinkInstance::getOnPageUrl() const {
  const ZelUrl* p = parent();
  return p ? p->getActualLinkUrl() : "";
}
std::string ZelLinkInstance::getOnPageTitle() const {
  const ZelUrl* p = parent();
  return p ? p->getLinkPageTitle() : "";
}
int32_t ZelLinkInstance::getDistance() const {
  const ZelUrl* p = parent();
  return p ? p->getDistance() : 0;
}
int32_t ZelLinkInstance::getRedirectCount() const {
  const ZelUrl* t = target();
  return t ? t->getRedirectCount() : 0;
}
double ZelLinkInstance::getTargetsize() const {
  const ZelUrl* t = target();
  return t ? t->getFilesize() : 0;
}
std::string ZelLinkInstance::getTargetInternal() const {
  const ZelUrl* t = target();
  if (!t) return "";
  return t->isInternal() ? "Internal" : "External";
}

bool ZelLinkInstance::contains(std::string_view term) const {
  if (term.empty()) return true;
  return containsIgnoreCase(getStatus(), term) || containsIgnoreCase(getLinkUrl(), term) ||
         containsIgnoreCase(getOnPageUrl(), term) || containsIgnoreCase(getRedir(), term) ||
         containsIgnoreCase(linkText(), term);
}

// ---- ZelLinkInstanceList ---------------------------------------------------------------

ZelLinkInstanceList::iterator& ZelLinkInstanceList::iterator::operator++() {
  if (left_ == 0) {
    at_ = nullptr;
  } else {
    --left_;
    at_ = graph_->instance(indices_ ? *indices_++ : next_++);
  }
  return *this;
}

ZelLinkInstanceList::iterator ZelLinkInstanceList::begin() const {
  iterator it;
  if (count_ == 0) return it;
  it.graph_ = graph_;
  it.indices_ = indices_;
  it.next_ = first_;
  it.left_ = count_;
  return ++it;
}

ZelLinkInstance* ZelLinkInstanceList::at(size_t i) const {
  if (i >= count_) return nullptr;
  return graph_->instance(indices_ ? indices_[i] : first_ + static_cast<uint32_t>(i));
}

}  // namespace zel
