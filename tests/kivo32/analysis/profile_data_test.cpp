// Load profiles of data files written by hand: the column cache, the sums per bucket, the averages.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <functional>

#include "kivo32/analysis/load_profile_job.h"
#include "kivo32/analysis/load_profile_tou.h"
#include "kivo32/analysis/profile_column_cache.h"
#include "kivo32/analysis/profile_data.h"
#include "platform/base/local_time.h"
#include "platform/base/message_queue.h"
#include "shared/common/calendar.h"
#include "tests/kivo32/analysis/cells_fixture.h"
#include "tests/kivo32/analysis/monday.h"
#include "tests/support/time_zone.h"

namespace {

using datafiletest::Bytes;

constexpr int kChannel = 3;
constexpr std::uint8_t kFifteenMinutes = 2;
constexpr std::uint8_t kFiveSeconds = 8;
using testsupport::kMonday;

// A record stamped with the wall-clock fields of `local`.
Bytes RecordAt(const std::tm& local, float value) {
    return datafiletest::RecordBytes({local.tm_year % 100, local.tm_mon + 1, local.tm_mday},
                                     {local.tm_hour, local.tm_min, local.tm_sec}, {value});
}

// `count` records every `step` seconds of wall clock from `first` (taken as UTC fields, so no zone
// moves them); record i holds value(stamp of i).
std::vector<Bytes> Records(std::tm first, int count, int step,
                           const std::function<float(const std::tm&)>& value) {
    const std::time_t start = *platform::FromUtcTime(first);
    std::vector<Bytes> records;
    for (int i = 0; i < count; ++i) {
        const std::tm stamp = *platform::ToUtcTime(start + static_cast<std::time_t>(i) * step);
        records.push_back(RecordAt(stamp, value(stamp)));
    }
    return records;
}

std::tm Fields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return *TimeFromFields(year, month, day, hour, minute, second);
}

// The bucket of the interval that a 15-minute record stamped `stamp` covers.
int CoveredBucket(const std::tm& stamp) {
    const int seconds = (stamp.tm_hour * 60 + stamp.tm_min) * 60 + stamp.tm_sec;
    return (seconds + 86400 - 900) % 86400 / 900;
}

class ProfileDataTest : public gridtest::CellsFixture {
protected:
    void OpenRecords(const std::vector<Bytes>& records, std::uint8_t intervalCode = kFifteenMinutes) {
        Open(datafiletest::OneValueSetup(0, intervalCode), records);
        ASSERT_EQ(cache_.Fill(file_->data, kChannel, progress_).result,
                  CProfileColumnCache::FillResult::Done);
    }

    // The profile of rows first..last; the bucket values.
    std::vector<float> Profile(int period, int dayFilter, unsigned long first, unsigned long last,
                               bool minuteMinimum = false) {
        const long fileInterval = file_->data.GetSetupTable()->GetIntervalSeconds();
        const int code = LoadProfileIntervalCode(file_->data.GetSetupTable()->GetHeader().GetIntervalCode());
        profile_.Init(period, dayFilter, code, kMonday, minuteMinimum);
        EXPECT_EQ(data_.Build(cache_, profile_, fileInterval, kChannel, first, last),
                  CProfileData::BuildResult::Done);
        profile_.FillFromProfileData(data_);
        std::vector<float> values(static_cast<std::size_t>(profile_.GetBucketCount()));
        profile_.GetValues(values);
        return values;
    }

    CProfileColumnCache cache_;
    CProfileData data_;
    CLoadProfileTOU profile_;
};

// One day of 96 records stamped 00:15 to 24:00: each record fills the interval it closes.
TEST_F(ProfileDataTest, OneDayFillsEachIntervalFromTheRecordThatClosesIt) {
    OpenRecords(Records(Fields(2024, 3, 12, 0, 15), 96, 900,
                        [](const std::tm& t) { return static_cast<float>(CoveredBucket(t)); }));
    const std::vector<float> values = Profile(kProfileDaily, kProfileAllDays, 1, 96);
    ASSERT_EQ(values.size(), 96U);
    for (int bucket = 0; bucket < 96; ++bucket) {
        EXPECT_EQ(values[static_cast<std::size_t>(bucket)], static_cast<float>(bucket)) << bucket;
        EXPECT_EQ(data_.GetEntry(bucket)->m_nCount, 1) << bucket;
    }
    // Weekly, Wednesday's midnight record closes Tuesday's last interval.
    const std::vector<float> week = Profile(kProfileWeekly, kProfileAllDays, 1, 96);
    EXPECT_EQ(week[96], 0.0F);
    EXPECT_EQ(week[96 + 95], 95.0F);
    EXPECT_EQ(data_.GetEntry(2 * 96)->m_nCount, 0);
}

TEST_F(ProfileDataTest, DaysAndFiltersAverageTheRecordsTheyTake) {
    // Friday 2024-03-15 00:15 to Monday 00:00: Friday 2.0, Saturday 4.0, Sunday 6.0 everywhere.
    OpenRecords(Records(Fields(2024, 3, 15, 0, 15), 3 * 96, 900, [](const std::tm& t) {
        const std::tm start = *platform::ToUtcTime(*platform::FromUtcTime(t) - 900);
        return static_cast<float>(2 * (start.tm_mday - 14));
    }));
    struct Case {
        const char* name;
        int dayFilter;
        unsigned long first;
        unsigned long last;
        float value;
        int count;
    };
    const Case cases[] = {
        {"all three days", kProfileAllDays, 1, 288, 4.0F, 3},
        {"Friday and Saturday", kProfileAllDays, 1, 192, 3.0F, 2},
        {"first row 0 counts as 1", kProfileAllDays, 0, 96, 2.0F, 1},
        // Friday's midnight record closes Friday, a weekday.
        {"weekdays", kProfileWeekdays, 1, 288, 2.0F, 1},
        {"weekend days", kProfileWeekendDays, 1, 288, 5.0F, 2},
        {"weekdays over a weekend", kProfileWeekdays, 97, 288, 0.0F, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<float> values = Profile(kProfileDaily, c.dayFilter, c.first, c.last);
        for (int bucket : {0, 50, 95}) {
            EXPECT_EQ(values[static_cast<std::size_t>(bucket)], c.value) << bucket;
            EXPECT_EQ(data_.GetEntry(bucket)->m_nCount, c.count) << bucket;
        }
    }
}

TEST_F(ProfileDataTest, RefusedBuildsLeaveTheEntriesAsTheyWere) {
    OpenRecords(Records(Fields(2024, 3, 12, 0, 15), 96, 900, [](const std::tm&) { return 1.0F; }));
    Profile(kProfileDaily, kProfileAllDays, 1, 96);
    const long interval = 900;
    EXPECT_EQ(data_.Build(cache_, profile_, interval, kChannel, 1, 97),
              CProfileData::BuildResult::RowsOutsideCache);
    EXPECT_EQ(data_.Build(cache_, profile_, interval, kChannel + 1, 1, 96),
              CProfileData::BuildResult::NotCached);
    EXPECT_EQ(data_.GetEntry(0)->m_nCount, 1);
    EXPECT_EQ(data_.GetEntry(95)->m_nCount, 1);

    // Entries whose stamp has no bucket in another table are skipped, not thrown at the caller.
    CLoadProfileTOU empty;
    empty.Init(kProfileDaily, kProfileAllDays, 0, kMonday, false);
    EXPECT_FALSE(empty.SetBucketFromEntry(0, data_));
    int done = 0;
    empty.FillFromProfileData(data_, &done);
    EXPECT_EQ(done, 1);
}

TEST_F(ProfileDataTest, RecordsWithoutValueAreLeftOut) {
    OpenRecords(Records(Fields(2024, 3, 12, 0, 15), 192, 900,
                        [](const std::tm& t) { return t.tm_mday == 12 ? NAN : 3.0F; }));
    const std::vector<float> values = Profile(kProfileDaily, kProfileAllDays, 1, 192);
    EXPECT_EQ(values[10], 3.0F);
    EXPECT_EQ(data_.GetEntry(10)->m_nCount, 1);
}

// Five-second records in the graph's one-minute buckets: each minute the average of its twelve records.
TEST_F(ProfileDataTest, ShortRecordsAverageInMinuteBuckets) {
    OpenRecords(Records(Fields(2024, 3, 12, 0, 0, 5), 12 * 60, 5,
                        [](const std::tm& t) {
                            const int second = (t.tm_min * 60 + t.tm_sec + 3600 - 5) % 3600;
                            return static_cast<float>(second % 60 / 5);
                        }),
                kFiveSeconds);
    const std::vector<float> values = Profile(kProfileDaily, kProfileAllDays, 1, 12 * 60, true);
    ASSERT_EQ(values.size(), 1440U);
    for (int minute = 0; minute < 60; ++minute) {
        EXPECT_FLOAT_EQ(values[static_cast<std::size_t>(minute)], 5.5F) << minute;
        EXPECT_EQ(data_.GetEntry(minute)->m_nCount, 12) << minute;
    }
    EXPECT_EQ(values[60], 0.0F);
}

// A file that crosses both clock changes as a New York logger writes it (the spring hour missing, the
// autumn hour twice): the same profile in every zone, each record in the bucket it covers.
TEST_F(ProfileDataTest, ClockChangesGiveTheSameProfileInEveryZone) {
    std::vector<Bytes> records;
    {
        testsupport::ScopedTimeZone newYork(testsupport::kNewYork);
        const std::time_t first = *platform::FromLocalTime(Fields(2024, 3, 9, 0, 15));
        const std::time_t last = *platform::FromLocalTime(Fields(2024, 11, 4, 0, 0));
        for (std::time_t t = first; t <= last; t += 900) {
            const std::tm stamp = *platform::ToLocalTime(t);
            records.push_back(RecordAt(stamp, static_cast<float>(CoveredBucket(stamp))));
        }
    }
    std::vector<std::vector<float>> profiles;
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        SCOPED_TRACE(zone);
        testsupport::ScopedTimeZone scope(zone);
        OpenRecords(records);
        const unsigned long rows = records.size();
        for (int period : {kProfileDaily, kProfileWeekly}) {
            profiles.push_back(Profile(period, kProfileAllDays, 1, rows));
            for (std::size_t bucket = 0; bucket < profiles.back().size(); ++bucket) {
                ASSERT_EQ(profiles.back()[bucket], static_cast<float>(bucket % 96)) << bucket;
            }
        }
        // The repeated hour's buckets got their records twice on that Sunday.
        Profile(kProfileDaily, kProfileWeekendDays, 1, rows);
        const int weekendDays = data_.GetEntry(20)->m_nCount;
        EXPECT_EQ(data_.GetEntry(5)->m_nCount, weekendDays + 1);
        EXPECT_EQ(data_.GetEntry(9)->m_nCount, weekendDays - 1);
    }
    EXPECT_EQ(profiles[0], profiles[2]);
    EXPECT_EQ(profiles[1], profiles[3]);
}

// The column is read once; another column, or a record whose date is broken, is read again.
TEST_F(ProfileDataTest, CacheFillsOnceAndKeepsNothingOfABrokenPass) {
    std::vector<Bytes> records =
        Records(Fields(2024, 3, 12, 0, 15), 10, 900, [](const std::tm&) { return 1.0F; });
    OpenRecords(records);
    EXPECT_EQ(cache_.GetColumn(), kChannel);
    EXPECT_EQ(cache_.GetRowCount(), 10U);
    EXPECT_LE(cache_.BytesPerRecord(), 16U);

    records[6] = datafiletest::RecordBytes({24, 2, 30}, {1, 0, 0}, {1.0F});
    Open(datafiletest::OneValueSetup(0), records);
    const CProfileColumnCache::FillOutcome outcome = cache_.Fill(file_->data, kChannel, progress_);
    EXPECT_EQ(outcome.result, CProfileColumnCache::FillResult::BadDate);
    EXPECT_EQ(outcome.row, 7);
    EXPECT_EQ(cache_.GetColumn(), 0);
    EXPECT_EQ(cache_.GetRowCount(), 0U);

    EXPECT_EQ(cache_.Fill(file_->data, 2, progress_).result, CProfileColumnCache::FillResult::NoValueColumn);
    progress_.Stop();
    EXPECT_EQ(cache_.Fill(file_->data, kChannel, progress_).result, CProfileColumnCache::FillResult::Stopped);
    EXPECT_EQ(cache_.GetColumn(), 0);
}

// The worker reads the channel with its own reader and posts the profile with the cache it read, which
// the next request reuses; a file that cannot be opened is said so.
TEST_F(ProfileDataTest, JobPostsTheProfileAndItsCache) {
    OpenRecords(Records(Fields(2024, 3, 12, 0, 15), 192, 900,
                        [](const std::tm& t) { return static_cast<float>(t.tm_mday); }));
    platform::MessageQueue queue;
    auto target = std::make_shared<platform::QueueMessageTarget>(queue);
    LoadProfileRequest request;
    request.dataFile = path_;
    request.dataFileIntervalCode = kFifteenMinutes;
    request.dataFileIntervalSeconds = 900;
    request.column = kChannel;
    request.firstRow = 1;
    request.lastRow = 192;
    CLoadProfileJob job;
    ASSERT_TRUE(job.Start(request, target, 7));
    std::optional<platform::Message> message = queue.Take(std::chrono::seconds(30));
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->id, 7U);
    LoadProfileResult* result = platform::PayloadAs<LoadProfileResult>(*message);
    ASSERT_NE(result, nullptr);
    ASSERT_EQ(result->outcome, LoadProfileResult::Outcome::Done);
    CBucket bucket;
    ASSERT_TRUE(result->profile.GetBucket(10, bucket));
    EXPECT_EQ(bucket.GetValue(), 12.5F);
    ASSERT_NE(result->cache, nullptr);

    request.cache = result->cache;
    request.dataFile = folder_ / "gone.kivo";
    request.period = kProfileWeekly;
    ASSERT_TRUE(job.Start(request, target, 7));
    message = queue.Take(std::chrono::seconds(30));
    ASSERT_TRUE(message.has_value());
    result = platform::PayloadAs<LoadProfileResult>(*message);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->outcome, LoadProfileResult::Outcome::Done) << "the cache, not the file, was read";
    EXPECT_EQ(result->profile.GetBucketCount(), 672);

    request.cache = nullptr;
    ASSERT_TRUE(job.Start(request, target, 7));
    message = queue.Take(std::chrono::seconds(30));
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(platform::PayloadAs<LoadProfileResult>(*message)->outcome,
              LoadProfileResult::Outcome::OpenFailed);
}

}  // namespace
