#pragma once
// The engine as a host uses it: create a ZelHub with a starting address and the
// platform services, call go(), turn the run loop, observe the notifications
// ("ZelCrawlDidFinish", "ZelDidUpdateLink", ...) and read the records.
#include "engine/zel_hub.h"
#include "platform/curl_url_loader.h"
#include "platform/platform.h"
#include "url/zel_link_instance.h"
#include "url/zel_url.h"
