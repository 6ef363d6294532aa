// The HTTP client against a server the test runs on 127.0.0.1: what goes over the wire, bodies
// of every size and status, and the ways a host can fail to answer.
#include "timesync/web_client_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "support/local_http_server.h"

namespace yf {
namespace {

using testing::LocalHttpServer;

std::string Response(const std::string& status, const std::string& body, bool withLength) {
    std::string head = "HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\n";
    if (withLength) head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    return head + "\r\n" + body;
}

// Bytes that differ from place to place, so a lost or repeated chunk shows.
std::string PatternedBody(std::size_t size) {
    std::string body(size, '\0');
    for (std::size_t i = 0; i < size; ++i) body[i] = static_cast<char>('a' + (i * 7 + i / 26) % 26);
    return body;
}

TEST(WebClientTest, SendsAPlainOldGet) {
    LocalHttpServer server(Response("200 OK", "window.baidu_time(1417392000000);", true));
    WebClient client;
    EXPECT_EQ(client.ReadWebPage(server.Url(L"/special/time/")),
              "window.baidu_time(1417392000000);");

    const std::string request = server.LastRequest();
    EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET /special/time/ HTTP/1.0");
    EXPECT_NE(
        request.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"),
        std::string::npos)
        << request;
    EXPECT_NE(request.find("\r\nAccept: */*\r\n"), std::string::npos) << request;
    EXPECT_EQ(request.find("Referer:"), std::string::npos) << request;
}

TEST(WebClientTest, KeepsTheQueryOfTheUrl) {
    LocalHttpServer server(Response("200 OK", "ok", true));
    WebClient client;
    client.ReadWebPage(server.Url(L"/special/time/?t=1"));
    const std::string request = server.LastRequest();
    EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET /special/time/?t=1 HTTP/1.0");
}

TEST(WebClientTest, BodiesOfEverySizeArriveWhole) {
    struct Case {
        const char* what;
        std::size_t size;
        bool withLength;
    };
    const Case cases[] = {
        {"small, with length", 40, true},
        {"beyond the largest chunk", 250'000, true},
        {"exactly the largest chunk", 102'400, true},
        {"no length, several chunks", 45'000, false},
        {"no length, one byte", 1, false},
    };
    WebClient client;
    for (const Case& c : cases) {
        const std::string body = PatternedBody(c.size);
        LocalHttpServer server(Response("200 OK", body, c.withLength));
        const std::string got = client.ReadWebPage(server.Url(L"/special/time/"));
        EXPECT_EQ(got.size(), body.size()) << c.what;
        EXPECT_TRUE(got == body) << c.what;
    }
}

TEST(WebClientTest, ErrorPagesAreReturnedLikeAnyOther) {
    const std::string page = "<html><body>404 window.baidu_time(1) not here</body></html>";
    for (bool withLength : {true, false}) {
        LocalHttpServer server(Response("404 Not Found", page, withLength));
        WebClient client;
        EXPECT_EQ(client.ReadWebPage(server.Url(L"/special/time/")), page) << withLength;
    }
}

TEST(WebClientTest, NothingFromAPortWithoutServer) {
    WebClient client;
    const std::wstring url =
        L"http://127.0.0.1:" + std::to_wstring(LocalHttpServer::FreePort()) + L"/special/time/";
    EXPECT_EQ(client.ReadWebPage(url), "");
}

TEST(WebClientTest, NothingFromAMalformedUrl) {
    WebClient client;
    EXPECT_EQ(client.ReadWebPage(L"not a url"), "");
    EXPECT_EQ(client.ReadWebPage(L""), "");
}

TEST(WebClientTest, NothingFromAServerThatClosesWithoutAnswer) {
    LocalHttpServer server("");
    WebClient client;
    EXPECT_EQ(client.ReadWebPage(server.Url(L"/special/time/")), "");
    EXPECT_GE(server.Connections(), 1);
}

TEST(WebClientTest, ASilentServerIsGivenUpOnNotWaitedForForever) {
    // The platform's own receive time-out is far longer than this guard; without the client's
    // bound the read would still be waiting when the guard runs out.
    constexpr auto kGuard = std::chrono::seconds(20);
    auto server = std::make_unique<LocalHttpServer>("", LocalHttpServer::Mode::Silent);
    const std::wstring url = server->Url(L"/special/time/");
    std::promise<std::string> result;
    std::future<std::string> page = result.get_future();
    std::thread reader([&] {
        WebClient client;
        result.set_value(client.ReadWebPage(url));
    });
    const bool finished = page.wait_for(kGuard) == std::future_status::ready;
    // Closing the held connection ends a read that is still waiting, so the thread can be joined.
    server.reset();
    reader.join();
    ASSERT_TRUE(finished) << "the read waited for a host that never answers";
    EXPECT_EQ(page.get(), "");
}

}  // namespace
}  // namespace yf
