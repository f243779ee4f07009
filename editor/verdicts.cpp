#include "verdicts.h"

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "ansitext.h"
#include "editorids.h"
#include "editorwindow.h"
#include "levelcheck.h"

// How long the list's check of one stalled picture may search.
const double listSearchSeconds = 0.2;
// The worker's stack: room for the search's records of a 20 x 20 board.
const SIZE_T workerStackBytes = 8 << 20;
// How long the list's answers gather before they go to the window.
const DWORD listBatchMilliseconds = 250;

// A list line's verdict: known, and then whether it passes and its work.
struct ListVerdict {
    unsigned long long key = 0;  // the pictures it was judged with
    bool known = false;
    bool passes = false;
    int steps = -1;
};

struct ListJob {
    int index;
    unsigned long long key;
};

struct ListAnswer {
    int index;
    ListVerdict verdict;
};

// One check: copies of what it judges, and its cancel flag. The main thread
// owns it; the worker posts checkDoneMessage as its last act.
struct CheckRun {
    HANDLE thread = nullptr;
    std::atomic<bool> cancel{false};
    VerdictJob verdict;
    SuggestionJob suggestion;
    std::vector<Level> pictures;  // one copy of the file's pictures for the list's jobs
    std::vector<ListJob> list;
};

static int generation = 0;
static std::vector<CheckRun*> runs;
static PictureVerdict* verdictShown = nullptr;
static SuggestionList suggestionsShown;
static std::vector<ListVerdict> listVerdicts;

const PictureVerdict* shownVerdict() { return verdictShown; }

static ListVerdict listVerdictOf(int index)
{
    return index >= 0 && index < static_cast<int>(listVerdicts.size()) ? listVerdicts[index] : ListVerdict();
}

// The grade's Korean word for the level check's grade name.
static const char* gradeWord(int steps, int size)
{
    const char* name = gradeName(steps, size);
    if (std::strcmp(name, "easy") == 0)
        return "쉬움";
    if (std::strcmp(name, "middle") == 0)
        return "보통";
    if (std::strcmp(name, "hard") == 0)
        return "어려움";
    return "-";
}

std::string listVerdictText(int index)
{
    const ListVerdict verdict = listVerdictOf(index);
    if (!verdict.known)
        return "...\t검사 중";
    return std::string(verdict.passes ? gradeWord(verdict.steps, editorDocument().size) : "-") + "\t" +
           (verdict.passes ? "통과" : "실패");
}

// What a picture's verdict depends on: its blocks and those of the pictures
// before it (a repeat of an earlier one fails).
static std::vector<unsigned long long> pictureKeys(const EditDocument& document)
{
    std::vector<unsigned long long> keys;
    unsigned long long hash = 1469598103934665603ull ^ static_cast<unsigned long long>(document.size);
    for (const Level& picture : document.pictures) {
        for (int col = 0; col < document.size; ++col)
            for (int row = 0; row < document.size; ++row)
                hash = (hash ^ static_cast<unsigned long long>(picture.picture[col][row] + 2)) * 1099511628211ull;
        hash = (hash ^ 0xFFu) * 1099511628211ull;
        keys.push_back(hash);
    }
    return keys;
}

template <typename T>
static void postAnswer(UINT message, T* answer)
{
    if (!PostMessageA(editorWindow(), message, 0, reinterpret_cast<LPARAM>(answer)))
        delete answer;
}

// A list line's picture is judged with the pictures before it, for repeats.
static VerdictJob listJobOf(const CheckRun& run, const ListJob& item)
{
    VerdictJob job;
    job.picture = run.pictures[item.index];
    job.index = item.index;
    job.earlier.assign(run.pictures.begin(), run.pictures.begin() + item.index);
    job.generation = run.verdict.generation;
    job.searchSeconds = listSearchSeconds;
    return job;
}

// The answers go to the window a few at a time: a message for each would
// keep its queue so full that it would not get round to painting.
static void judgeListPictures(CheckRun* run)
{
    std::vector<ListAnswer>* batch = new std::vector<ListAnswer>;
    DWORD batchStarted = GetTickCount();
    for (const ListJob& item : run->list) {
        if (run->cancel)
            break;
        PictureVerdict verdict = judgePicture(listJobOf(*run, item), &run->cancel);
        if (!verdict.complete)
            break;
        ListAnswer answer;
        answer.index = item.index;
        answer.verdict.key = item.key;
        answer.verdict.known = true;
        answer.verdict.passes = verdict.passes;
        answer.verdict.steps = verdict.steps;
        batch->push_back(answer);
        if (GetTickCount() - batchStarted >= listBatchMilliseconds) {
            postAnswer(listVerdictMessage, batch);
            batch = new std::vector<ListAnswer>;
            batchStarted = GetTickCount();
        }
    }
    postAnswer(listVerdictMessage, batch);
}

static DWORD WINAPI checkWorker(void* parameter)
{
    CheckRun* run = static_cast<CheckRun*>(parameter);
    PictureVerdict* verdict = new PictureVerdict(judgePicture(run->verdict, &run->cancel));
    const bool complete = verdict->complete;
    postAnswer(verdictMessage, verdict);
    if (complete && !run->cancel)
        postAnswer(suggestionsMessage, new SuggestionList(suggestChanges(run->suggestion, &run->cancel)));
    judgeListPictures(run);
    if (!PostMessageA(editorWindow(), checkDoneMessage, 0, reinterpret_cast<LPARAM>(run)))
        run->cancel = true;  // the window is gone: stopChecks deletes the run
    return 0;
}

static void showVerdictText(const std::string& ansi)
{
    SetWindowTextA(editorControl(IDC_VERDICT), ansi.c_str());
    UpdateWindow(editorControl(IDC_VERDICT));
}

static void showSuggestionsLabel(const char* text)
{
    SetWindowTextA(editorControl(IDC_SUGGESTLABEL), text);
}

// Nothing of an earlier picture stays on screen while the new check runs.
static void forgetShownVerdict()
{
    delete verdictShown;
    verdictShown = nullptr;
    suggestionsShown = SuggestionList();
    SendMessageA(editorControl(IDC_SUGGESTIONS), LB_RESETCONTENT, 0, 0);
    showVerdictText("검사 중...");
    showSuggestionsLabel("제안: 검사 중...");
}

// The list lines whose verdict is not known for the pictures as they stand.
static void addListJobs(CheckRun* run, const EditDocument& document)
{
    std::vector<unsigned long long> keys = pictureKeys(document);
    listVerdicts.resize(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        if (listVerdicts[i].known && listVerdicts[i].key == keys[i])
            continue;
        listVerdicts[i] = ListVerdict();
        run->list.push_back({static_cast<int>(i), keys[i]});
    }
    if (!run->list.empty())
        run->pictures = document.pictures;
}

void restartCheck()
{
    for (CheckRun* run : runs)
        run->cancel = true;
    ++generation;
    forgetShownVerdict();
    const EditDocument& document = editorDocument();
    if (!selectedPicture(document)) {
        showVerdictText("");
        return;
    }
    CheckRun* run = new CheckRun;
    run->verdict = verdictJobFor(document, generation);
    run->suggestion = suggestionJobFor(document, generation);
    addListJobs(run, document);
    run->thread = CreateThread(nullptr, workerStackBytes, checkWorker, run, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!run->thread) {
        delete run;
        showVerdictText("검사를 시작하지 못했습니다.");
        return;
    }
    runs.push_back(run);
}

void stopChecks()
{
    for (CheckRun* run : runs) {
        run->cancel = true;
        WaitForSingleObject(run->thread, INFINITE);
        CloseHandle(run->thread);
        delete run;
    }
    runs.clear();
    forgetShownVerdict();
}

static std::string verdictText(const PictureVerdict& verdict)
{
    std::string text;
    for (const VerdictLine& line : verdict.lines)
        text += (text.empty() ? "" : "\r\n") + ansiFromUtf8(line.text);
    bool undecided = false, differing = false;
    for (int col = 0; col < gridRoom; ++col) {
        for (int row = 0; row < gridRoom; ++row) {
            undecided = undecided || verdict.undecidedBlocks[col][row];
            differing = differing || verdict.differingBlocks[col][row];
        }
    }
    if (undecided)
        text += "\r\n분홍 테두리: 선으로 정해지지 않는 블럭";
    if (differing)
        text += "\r\n안쪽 주황 테두리: 단서가 같은 다른 그림과 다른 블럭";
    return text;
}

bool takeVerdict(LPARAM answer)
{
    PictureVerdict* verdict = reinterpret_cast<PictureVerdict*>(answer);
    if (verdict->generation != generation || !verdict->complete) {
        delete verdict;
        return false;
    }
    delete verdictShown;
    verdictShown = verdict;
    showVerdictText(verdictText(*verdict));
    return true;
}

// The box scrolls sideways as far as its widest line reaches.
static void fitScrollWidth(HWND box, const std::vector<std::string>& lines)
{
    HDC dc = GetDC(box);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& line : lines) {
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        widest = extent.cx > widest ? extent.cx : widest;
    }
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    SendMessageA(box, LB_SETHORIZONTALEXTENT, widest + 6, 0);
}

void takeSuggestions(LPARAM answer)
{
    SuggestionList* list = reinterpret_cast<SuggestionList*>(answer);
    if (list->generation != generation) {
        delete list;
        return;
    }
    suggestionsShown = *list;
    delete list;
    HWND box = editorControl(IDC_SUGGESTIONS);
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    std::vector<std::string> lines;
    for (const Suggestion& item : suggestionsShown.items)
        lines.push_back(ansiFromUtf8(item.text));
    for (const std::string& line : lines)
        SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    fitScrollWidth(box, lines);
    if (!suggestionsShown.items.empty())
        showSuggestionsLabel("제안 (누르면 그 블럭을 바꿉니다):");
    else if (suggestionsShown.undecidedBefore == 0 && verdictShown && verdictShown->passes)
        showSuggestionsLabel("제안: 필요 없음");
    else if (suggestionsShown.undecidedBefore == 0)
        showSuggestionsLabel("제안: 없음 (블럭 하나로는 고쳐지지 않음)");
    else
        showSuggestionsLabel("제안: 찾지 못했습니다");
}

std::vector<int> takeListVerdict(LPARAM answer)
{
    std::vector<ListAnswer>* batch = reinterpret_cast<std::vector<ListAnswer>*>(answer);
    std::vector<unsigned long long> keys = pictureKeys(editorDocument());
    listVerdicts.resize(keys.size());
    std::vector<int> changed;
    for (const ListAnswer& item : *batch) {
        if (item.index < static_cast<int>(keys.size()) && keys[item.index] == item.verdict.key) {
            listVerdicts[item.index] = item.verdict;
            changed.push_back(item.index);
        }
    }
    delete batch;
    return changed;
}

void takeCheckDone(LPARAM answer)
{
    CheckRun* run = reinterpret_cast<CheckRun*>(answer);
    for (size_t i = 0; i < runs.size(); ++i) {
        if (runs[i] != run)
            continue;
        WaitForSingleObject(run->thread, INFINITE);
        CloseHandle(run->thread);
        delete run;
        runs.erase(runs.begin() + i);
        return;
    }
}

bool applyChosenSuggestion()
{
    LRESULT chosen = SendMessageA(editorControl(IDC_SUGGESTIONS), LB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen >= static_cast<LRESULT>(suggestionsShown.items.size()))
        return false;
    return applySuggestion(changeDocument(), suggestionsShown.items[chosen]);
}
