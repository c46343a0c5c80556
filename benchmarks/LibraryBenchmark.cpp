// Times the library's hot text and container operations beside the C++
// runtime's equivalents, in the same run and on the same seeded inputs, and
// prints the nanoseconds per operation of each and their ratio (library /
// runtime) with the ratio we aim at. Usage: LibraryBenchmark [passes]
// Every measurement is the best of the passes.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "ZQ_Array.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_String.h"
#include "ZQ_StringStream.h"
#include "ZQ_StringSubs.h"

namespace {

// A small generator of our own, so that the inputs are the same on every run
// and with every runtime library.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t Seed) : State(Seed) {}
  std::uint64_t Next() {
    State ^= State << 13;
    State ^= State >> 7;
    State ^= State << 17;
    return State;
  }
  double Uniform(double Low, double High) {
    return Low + (High - Low) * (static_cast<double>(Next() >> 11) / 9007199254740992.0);
  }
  long Integer(long Low, long High) {
    return Low + static_cast<long>(Next() % static_cast<std::uint64_t>(High - Low + 1));
  }

 private:
  std::uint64_t State;
};

// Keeps results alive so that the compiler cannot drop the work.
volatile unsigned long g_sink = 0;

using Clock = std::chrono::steady_clock;

// Runs Work (which performs Operations operations) Passes times and returns
// the best time per operation in nanoseconds.
template <class Work>
double BestNanosecondsPerOperation(int Passes, long Operations, Work work) {
  double best = 1e300;
  for (int pass = 0; pass < Passes; ++pass) {
    const Clock::time_point begin = Clock::now();
    work();
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    if (seconds < best) best = seconds;
  }
  return best * 1e9 / static_cast<double>(Operations);
}

void PrintRow(const char* Operation, double Library, double Runtime, double Target) {
  const double ratio = Library / Runtime;
  std::printf("%-44s %10.1f %10.1f %8.2f %7.1f  %s\n", Operation, Library, Runtime, ratio,
              Target, ratio <= Target ? "ok" : "SLOW");
}

// One character at a time onto strings of kAppendLength characters.
const long kAppendLength = 10000;
const int kAppendStrings = 100;

void BenchmarkAppend(int Passes) {
  const long operations = kAppendLength * kAppendStrings;
  const double library = BestNanosecondsPerOperation(Passes, operations, [] {
    for (int s = 0; s < kAppendStrings; ++s) {
      ZQ_String text;
      for (long i = 0; i < kAppendLength; ++i) text += static_cast<char>('a' + (i & 15));
      g_sink += static_cast<unsigned long>(text.GetLength());
    }
  });
  const double runtime = BestNanosecondsPerOperation(Passes, operations, [] {
    for (int s = 0; s < kAppendStrings; ++s) {
      std::string text;
      for (long i = 0; i < kAppendLength; ++i) text.push_back(static_cast<char>('a' + (i & 15)));
      g_sink += static_cast<unsigned long>(text.size());
    }
  });
  PrintRow("append one character to a string", library, runtime, 2.0);
}

// Elements appended one at a time to arrays of kArrayStart elements.
const long kArrayStart = 20000;
const long kArrayInserts = 20000;
const int kArrays = 5;

void BenchmarkArrayInsert(int Passes) {
  const long operations = kArrayInserts * kArrays;
  const double library = BestNanosecondsPerOperation(Passes, operations, [] {
    for (int a = 0; a < kArrays; ++a) {
      ZQ_Array<long> array(kArrayStart, 0);
      for (long i = 0; i < kArrayInserts; ++i) {
        array.InsertElements(array.GetNumElements());
        array[array.GetNumElements() - 1] = i;
      }
      g_sink += static_cast<unsigned long>(array[kArrayStart]);
    }
  });
  const double runtime = BestNanosecondsPerOperation(Passes, operations, [] {
    for (int a = 0; a < kArrays; ++a) {
      std::vector<long> array(kArrayStart, 0);
      for (long i = 0; i < kArrayInserts; ++i) array.insert(array.end(), i);
      g_sink += static_cast<unsigned long>(array[kArrayStart]);
    }
  });
  PrintRow("insert at the end of a 20,000-element array", library, runtime, 1.5);
}

const int kValues = 20000;

void BenchmarkLongToText(int Passes) {
  SeededRandom random(0x10C6);
  std::vector<long> values(kValues);
  for (long& value : values) {
    const long digits = random.Integer(1, 10);
    long limit = 1;
    for (long d = 1; d < digits && limit < 1000000000L; ++d) limit *= 10;
    value = random.Integer(-limit, limit);
  }
  const double library = BestNanosecondsPerOperation(Passes, kValues, [&values] {
    for (long value : values) g_sink += static_cast<unsigned long>(ZQ_ToString(value).GetLength());
  });
  const double runtime = BestNanosecondsPerOperation(Passes, kValues, [&values] {
    char buffer[32];
    for (long value : values)
      g_sink += static_cast<unsigned long>(std::snprintf(buffer, sizeof buffer, "%ld", value));
  });
  PrintRow("ZQ_ToString (long) / snprintf %ld", library, runtime, 2.0);
}

// Doubles of every common magnitude, with full 53-bit mantissas.
std::vector<double> MakeDoubles(std::uint64_t Seed) {
  SeededRandom random(Seed);
  std::vector<double> values(kValues);
  for (double& value : values) {
    double scale = 1.0;
    const long exponent = random.Integer(-8, 12);
    for (long e = 0; e < exponent; ++e) scale *= 10.0;
    for (long e = 0; e > exponent; --e) scale /= 10.0;
    value = random.Uniform(-1.0, 1.0) * scale;
  }
  return values;
}

void BenchmarkDoubleToText(int Passes) {
  const std::vector<double> values = MakeDoubles(0xD0B1E);
  const double library = BestNanosecondsPerOperation(Passes, kValues, [&values] {
    for (double value : values) g_sink += static_cast<unsigned long>(ZQ_ToString(value).GetLength());
  });
  const double runtime = BestNanosecondsPerOperation(Passes, kValues, [&values] {
    char buffer[64];
    for (double value : values)
      g_sink += static_cast<unsigned long>(std::snprintf(buffer, sizeof buffer, "%g", value));
  });
  PrintRow("ZQ_ToString (double) / snprintf %g", library, runtime, 2.0);
}

void BenchmarkTextToDouble(int Passes) {
  const std::vector<double> values = MakeDoubles(0x57D0D);
  std::vector<std::string> texts;
  std::vector<ZQ_String> strings;
  for (double value : values) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    texts.push_back(buffer);
    strings.push_back(ZQ_String(buffer));
  }
  const double library = BestNanosecondsPerOperation(Passes, kValues, [&strings] {
    double sum = 0.0;
    for (const ZQ_String& text : strings) sum += ZQ_StringSubs::StringToDouble(text);
    g_sink += static_cast<unsigned long>(sum != 0.0);
  });
  const double runtime = BestNanosecondsPerOperation(Passes, kValues, [&texts] {
    double sum = 0.0;
    for (const std::string& text : texts) sum += std::strtod(text.c_str(), nullptr);
    g_sink += static_cast<unsigned long>(sum != 0.0);
  });
  PrintRow("StringToDouble (17 digits) / strtod", library, runtime, 2.0);
}

void BenchmarkDateFormat(int Passes) {
  const int count = kValues / 4;
  SeededRandom random(0xDA7E);
  std::vector<ZQ_PointInTime> points;
  std::vector<std::tm> times;
  for (int i = 0; i < count; ++i) {
    const int day = static_cast<int>(random.Integer(1, 28));
    const int month = static_cast<int>(random.Integer(1, 12));
    const int year = static_cast<int>(random.Integer(1990, 2040));
    const int hour = static_cast<int>(random.Integer(0, 23));
    const int minute = static_cast<int>(random.Integer(0, 59));
    const int second = static_cast<int>(random.Integer(0, 59));
    ZQ_Time time;
    time.SetHMS(hour, minute, second, 0);
    const ZQ_Date date(day, month, year);
    points.push_back(ZQ_PointInTime(time, date));
    std::tm broken = {};
    broken.tm_sec = second;
    broken.tm_min = minute;
    broken.tm_hour = hour;
    broken.tm_mday = day;
    broken.tm_mon = month - 1;
    broken.tm_year = year - 1900;
    broken.tm_wday = date.GetDayOfWeekIndex();
    times.push_back(broken);
  }
  const ZQ_String format("{24Hour}:{Minute}:{Second} on {DayOfWeek}, {Date}");
  const double library = BestNanosecondsPerOperation(Passes, count, [&points, &format] {
    for (const ZQ_PointInTime& point : points)
      g_sink += static_cast<unsigned long>(point.Format(format).GetLength());
  });
  const double runtime = BestNanosecondsPerOperation(Passes, count, [&times] {
    char buffer[128];
    for (const std::tm& broken : times)
      g_sink += static_cast<unsigned long>(
          std::strftime(buffer, sizeof buffer, "%H:%M:%S on %A, %B %d, %Y", &broken));
  });
  PrintRow("ZQ_PointInTime::Format / strftime", library, runtime, 2.0);
}

}  // namespace

int main(int argc, char** argv) {
  const int passes = argc > 1 ? std::atoi(argv[1]) : 5;
  if (passes < 1) {
    std::fprintf(stderr, "usage: LibraryBenchmark [passes >= 1]\n");
    return 2;
  }
  std::printf("Library benchmark: ns per operation, best of %d passes\n", passes);
  std::printf("%-44s %10s %10s %8s %7s\n", "operation", "library", "runtime", "ratio", "target");
  BenchmarkAppend(passes);
  BenchmarkArrayInsert(passes);
  BenchmarkLongToText(passes);
  BenchmarkDoubleToText(passes);
  BenchmarkTextToDouble(passes);
  BenchmarkDateFormat(passes);
  return 0;
}
