// The HTTP client against a server the test runs on 127.0.0.1: what goes over the wire, bodies
// of every size and status, the ways a host can fail to answer, and the bounds of a reading.
#include "timesync/web_client_win.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <string>
#include <thread>

#include "support/local_http_server.h"
#include "timesync/read_chunk.h"

namespace yf {
namespace {

using testing::LocalHttpServer;

std::string Response(const std::string& status, const std::string& body, bool withLength) {
    const std::string length = "Content-Length: " + std::to_string(body.size()) + "\r\n";
    return "HTTP/1.0 " + status + "\r\n" + (withLength ? length : "") + "\r\n" + body;
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

TEST(WebClientTest, SendsAPlainOldGet) {
    LocalHttpServer server(Response("200 OK", "window.baidu_time(1417392000000);", true));
    WebClient client;
    EXPECT_EQ(client.ReadWebPage(server.Url(L"/special/time/")).body,
              "window.baidu_time(1417392000000);");
    const std::string request = server.LastRequest();
    EXPECT_EQ(FirstLine(request), "GET /special/time/ HTTP/1.0");
    for (const char* header :
         {"\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n",
          "\r\nAccept: */*\r\n"}) {
        EXPECT_NE(request.find(header), std::string::npos) << request;
    }
    EXPECT_EQ(request.find("Referer:"), std::string::npos) << request;

    client.ReadWebPage(server.Url(L"/special/time/?t=1"));
    EXPECT_EQ(FirstLine(server.LastRequest()), "GET /special/time/?t=1 HTTP/1.0");
}

TEST(WebClientTest, BodiesOfEverySizeAndStatusArriveWhole) {
    struct Case {
        const char* status;
        std::size_t size;
        bool withLength;
    };
    const Case cases[] = {
        {"200 OK", 250'000, true}, {"200 OK", 102'400, true},    {"200 OK", 45'000, false},
        {"200 OK", 1, false},      {"404 Not Found", 300, true}, {"404 Not Found", 300, false},
    };
    WebClient client;
    for (const Case& c : cases) {
        // Bytes that differ from place to place, so a lost or repeated chunk shows.
        std::string body(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i)
            body[i] = static_cast<char>('a' + (i * 7 + i / 26) % 26);
        LocalHttpServer server(Response(c.status, body, c.withLength));
        const std::string got = client.ReadWebPage(server.Url(L"/special/time/")).body;
        EXPECT_EQ(got.size(), c.size) << c.status << c.withLength;
        EXPECT_TRUE(got == body) << c.status << c.size << c.withLength;
    }
}

TEST(WebClientTest, TheAnswerBringsItsDateHeaderAsSent) {
    // Forms a platform's own date reading may not know: the client hands every one on as text.
    const std::string dates[] = {
        "Fri, 17 May 2030 01:31:00 GMT",
        "Fri, 7 Jun 2030 01:31:00 GMT",
        "Friday, 17-May-30 01:31:00 GMT",
        "Fri May 17 01:31:00 2030",
        "not a date",
        "",
    };
    WebClient client;
    for (const std::string& date : dates) {
        const std::string head = date.empty() ? "" : "Date: " + date + "\r\n";
        LocalHttpServer server("HTTP/1.0 200 OK\r\n" + head + "Content-Length: 7\r\n\r\n<html/>");
        const WebAnswer answer = client.ReadWebPage(server.Url(L"/special/time/"));
        EXPECT_EQ(answer.date, date);
        EXPECT_EQ(answer.body, "<html/>") << date;
    }
}

TEST(WebClientTest, TheRoundTripLastsUntilTheAnswerCame) {
    LocalHttpServer late("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok",
                         LocalHttpServer::Mode::Late);
    const WebAnswer answer = WebClient().ReadWebPage(late.Url(L"/special/time/"));
    EXPECT_EQ(answer.body, "ok");
    // Generous bounds: only that the wait for the answer is in it.
    EXPECT_GE(answer.roundTripMs, LocalHttpServer::kLateMs - 500);
    EXPECT_LE(answer.roundTripMs, LocalHttpServer::kLateMs + 3000);
}

TEST(WebClientTest, NothingWhenNoPageComes) {
    LocalHttpServer closesAtOnce("");
    WebClient client;
    EXPECT_FALSE(
        client.ReadWebPage(LocalHttpServer::UrlAt(LocalHttpServer::FreePort(), L"/")).Answered());
    EXPECT_FALSE(client.ReadWebPage(closesAtOnce.Url(L"/special/time/")).Answered());
    EXPECT_EQ(closesAtOnce.Connections(), 1);
    EXPECT_FALSE(client.ReadWebPage(L"not a url").Answered());
}

TEST(WebClientTest, ASilentServerIsGivenUpOn) {
    // Wine's own receive time-out is longer than this guard, so without the client's bound the
    // read would still be waiting when the guard runs out.
    auto server = std::make_unique<LocalHttpServer>("", LocalHttpServer::Mode::Silent);
    std::packaged_task<std::string(std::wstring)> read(
        [](std::wstring url) { return WebClient().ReadWebPage(url).body; });
    std::future<std::string> page = read.get_future();
    std::thread reader(std::move(read), server->Url(L"/special/time/"));
    const bool finished = page.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    server.reset();  // ends a read still waiting, so the thread can be joined
    reader.join();
    ASSERT_TRUE(finished) << "the read waited for a host that never answers";
    EXPECT_EQ(page.get(), "");
}

TEST(WebClientTest, ATimePageLongerThanTheLargestChunkIsNone) {
    WebClient client;
    for (bool withLength : {true, false}) {
        for (std::size_t size :
             {std::size_t{kLongestTimePage}, std::size_t{kLongestTimePage} + 1}) {
            LocalHttpServer server(Response("200 OK", std::string(size, 'z'), withLength));
            const std::string got =
                client.ReadWebPage(server.Url(L"/special/time/"), {0, kLongestTimePage}).body;
            EXPECT_EQ(got.size(), size <= kLongestTimePage ? size : 0u) << size << withLength;
        }
    }
}

TEST(WebClientTest, NothingComesAfterTheDeadline) {
    LocalHttpServer server(Response("200 OK", "window.baidu_time(1417392000000);", true));
    WebClient client;
    EXPECT_FALSE(
        client.ReadWebPage(server.Url(L"/special/time/"), {::GetTickCount64() - 1}).Answered());
    EXPECT_EQ(server.Connections(), 0);
    EXPECT_EQ(client.ReadWebPage(server.Url(L"/special/time/"), {::GetTickCount64() + 4000}).body,
              "window.baidu_time(1417392000000);");

    // A body that trickles in, a byte every 3 s, is given up on soon after the deadline instead
    // of being waited for to its end (its 33 bytes would take over a minute and a half).
    auto trickling = std::make_unique<LocalHttpServer>(
        "HTTP/1.0 200 OK\r\n\r\nwindow.baidu_time(1417392000000);", LocalHttpServer::Mode::Trickle);
    std::packaged_task<std::string(std::wstring)> read([](std::wstring url) {
        return WebClient().ReadWebPage(url, {::GetTickCount64() + 2000}).body;
    });
    std::future<std::string> page = read.get_future();
    std::thread reader(std::move(read), trickling->Url(L"/special/time/"));
    const bool finished = page.wait_for(std::chrono::seconds(15)) == std::future_status::ready;
    trickling.reset();
    reader.join();
    ASSERT_TRUE(finished) << "the read waited for the whole trickling body";
    EXPECT_EQ(page.get(), "");  // not the bytes that came before the deadline
}

}  // namespace
}  // namespace yf
