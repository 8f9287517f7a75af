// Pages' content read on a thread of its own: every page delivered once, in the
// order handed over, on the run loop's thread; the copies waiting stay bounded.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/content_reads.h"
#include "platform/run_loop.h"

namespace zel {
namespace {

// Reads a page's length into its readability; notes the threads it ran on and
// the most bytes ever waiting.
class LengthReader final : public PageContentReader {
 public:
  bool wantsMainText() const override { return true; }
  std::unique_ptr<PageContent> read(const PageText& page) const override {
    if (std::this_thread::get_id() == caller) offThread = false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    auto content = std::make_unique<PageContent>();
    content->readability = Readability{true, static_cast<float>(page.body.size()),
                                       static_cast<float>(page.mainText.size())};
    return content;
  }
  std::thread::id caller = std::this_thread::get_id();
  mutable std::atomic<bool> offThread{true};
};

ZelUrl* pageNo(size_t i) { return reinterpret_cast<ZelUrl*>(i + 1); }

TEST(ContentReads, DeliversEveryPageInOrderOnTheLoopWithBoundedCopies) {
  PollRunLoop loop;
  auto reader = std::make_shared<LengthReader>();
  std::vector<size_t> order;
  std::vector<float> lengths, mains;
  bool onLoopThread = true;
  const std::thread::id loopThread = std::this_thread::get_id();
  constexpr size_t kPages = 300, kBound = 64 * 1024;
  ContentReads reads(reader, &loop,
                     [&](ZelUrl* page, std::unique_ptr<PageContent> content) {
                       onLoopThread = onLoopThread && std::this_thread::get_id() == loopThread;
                       order.push_back(reinterpret_cast<size_t>(page) - 1);
                       lengths.push_back(content->readability->fleschReadingEase);
                       mains.push_back(content->readability->wordsPerSentence);
                     },
                     kBound);
  for (size_t i = 0; i < kPages; ++i) {
    PageTextCopy text;
    text.body = std::make_shared<const std::string>(1000 + i * 10, 'x');
    // Entities decoded and white space collapsed by the time it is read.
    text.gatheredMainText = "a &amp;\n\n b";
    reads.submit(pageNo(i), std::move(text));
    if (i == kPages / 2) loop.runUntil([&] { return !order.empty(); }, 10);
  }
  EXPECT_GT(reads.pending(), 0u);  // far more work handed over than read so far
  reads.finish();
  EXPECT_EQ(reads.pending(), 0u);
  ASSERT_EQ(order.size(), kPages);
  for (size_t i = 0; i < kPages; ++i) {
    EXPECT_EQ(order[i], i);
    EXPECT_EQ(lengths[i], 1000 + i * 10);
    EXPECT_EQ(mains[i], 5);  // "a & b"
  }
  EXPECT_TRUE(onLoopThread);
  EXPECT_TRUE(reader->offThread);
  // Posted deliveries that come after finish() find nothing left.
  loop.runUntil([] { return false; }, 0.05);
  EXPECT_EQ(order.size(), kPages);
}

TEST(ContentReads, StopsWithPagesUnreadAndNoDelivery) {
  PollRunLoop loop;
  size_t delivered = 0;
  {
    ContentReads reads(std::make_shared<LengthReader>(), &loop,
                       [&](ZelUrl*, std::unique_ptr<PageContent>) { ++delivered; });
    for (size_t i = 0; i < 200; ++i) {
      PageTextCopy text;
      text.body = std::make_shared<const std::string>(100, 'y');
      reads.submit(pageNo(i), std::move(text));
    }
  }
  // Deliveries posted before the end find it gone.
  loop.runUntil([] { return false; }, 0.05);
  EXPECT_EQ(delivered, 0u);
}

}  // namespace
}  // namespace zel
