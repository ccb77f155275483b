// Panel pictures: the `snapshot` statement draws the panels of the real
// module (loaded from the build), and the SVG it writes is parsed back to
// check what a person looking at it would see.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/core/host.h"
#include "host/core/host_state.h"
#include "host/snapshot/snapshot.h"
#include "tests/unit/support/test_folder.h"

namespace {

// ---- a small XML reader: elements, attributes, text; the five entities ----------------

struct Node {
  std::string tag;
  std::map<std::string, std::string> attributes;
  std::string text;  // the text directly inside, entities decoded
  std::vector<std::unique_ptr<Node>> children;

  std::string attr(const std::string &name) const {
    auto found = attributes.find(name);
    return found == attributes.end() ? std::string() : found->second;
  }
  bool has_class(const std::string &wanted) const {
    std::istringstream words(attr("class"));
    for (std::string word; words >> word;)
      if (word == wanted) return true;
    return false;
  }
};

std::string decode(const std::string &raw) {
  static const std::map<std::string, char> entities = {
      {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '<') throw std::runtime_error("a bare < in a text or value");
    if (raw[i] != '&') {
      out += raw[i];
      continue;
    }
    const std::size_t end = raw.find(';', i);
    if (end == std::string::npos) throw std::runtime_error("an unterminated entity");
    auto found = entities.find(raw.substr(i + 1, end - i - 1));
    if (found == entities.end()) throw std::runtime_error("an unknown entity " + raw.substr(i, end - i + 1));
    out += found->second;
    i = end;
  }
  return out;
}

// Parses a whole document into its root element; throws on anything that is
// not well-formed (unbalanced tags, bare specials, unknown entities).
std::unique_ptr<Node> parse_xml(const std::string &xml) {
  std::size_t i = 0;
  if (xml.compare(0, 5, "<?xml") == 0) i = xml.find("?>") + 2;
  std::unique_ptr<Node> root;
  std::vector<Node *> open;
  auto skip_blanks = [&] {
    while (i < xml.size() && std::isspace(static_cast<unsigned char>(xml[i]))) ++i;
  };
  auto name = [&] {
    const std::size_t start = i;
    while (i < xml.size() && (std::isalnum(static_cast<unsigned char>(xml[i])) || xml[i] == '-' ||
                              xml[i] == ':' || xml[i] == '_'))
      ++i;
    if (i == start) throw std::runtime_error("a name expected at " + std::to_string(start));
    return xml.substr(start, i - start);
  };
  while (true) {
    const std::size_t lt = xml.find('<', i);
    const std::string between = xml.substr(i, lt == std::string::npos ? std::string::npos : lt - i);
    if (!open.empty()) open.back()->text += decode(between);
    else if (between.find_first_not_of(" \n\t\r") != std::string::npos)
      throw std::runtime_error("text outside the root");
    if (lt == std::string::npos) break;
    i = lt + 1;
    if (xml[i] == '/') {
      ++i;
      const std::string tag = name();
      if (open.empty() || open.back()->tag != tag)
        throw std::runtime_error("</" + tag + "> closes nothing open");
      open.pop_back();
      skip_blanks();
      if (xml[i++] != '>') throw std::runtime_error("> expected");
      continue;
    }
    auto node = std::make_unique<Node>();
    node->tag = name();
    while (true) {
      skip_blanks();
      if (xml[i] == '/' || xml[i] == '>') break;
      const std::string key = name();
      if (xml[i] != '=' || xml[i + 1] != '"') throw std::runtime_error("=\" expected after " + key);
      i += 2;
      const std::size_t close = xml.find('"', i);
      if (close == std::string::npos) throw std::runtime_error("an unterminated value");
      if (!node->attributes.emplace(key, decode(xml.substr(i, close - i))).second)
        throw std::runtime_error("attribute " + key + " twice");
      i = close + 1;
    }
    const bool self_closing = xml[i] == '/';
    i += self_closing ? 2 : 1;
    Node *raw = node.get();
    if (open.empty()) {
      if (root) throw std::runtime_error("a second root");
      root = std::move(node);
    } else {
      open.back()->children.push_back(std::move(node));
    }
    if (!self_closing) open.push_back(raw);
  }
  if (!root || !open.empty()) throw std::runtime_error("the document is not closed");
  return root;
}

// Every element below `node` (itself included) that `keep` accepts, in
// document order.
template <typename Keep>
std::vector<const Node *> find_all(const Node &node, Keep keep) {
  std::vector<const Node *> found;
  std::vector<const Node *> stack = {&node};
  while (!stack.empty()) {
    const Node *next = stack.back();
    stack.pop_back();
    if (keep(*next)) found.push_back(next);
    for (auto it = next->children.rbegin(); it != next->children.rend(); ++it) stack.push_back(it->get());
  }
  return found;
}

std::vector<const Node *> with_class(const Node &node, const std::string &css) {
  return find_all(node, [&](const Node &n) { return n.has_class(css); });
}

std::vector<std::string> texts(const Node &node, const std::string &css) {
  std::vector<std::string> out;
  for (const Node *n : with_class(node, css)) out.push_back(n->text);
  return out;
}

// ---- pictures of the module's panels ---------------------------------------------------

class Snapshot : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string plugin = std::getenv("QB_PLUGIN");
    if (!std::filesystem::exists(plugin))
      GTEST_SKIP() << "no built module at " << plugin << " (set QB_PLUGIN)";
    host_.set_trace(&trace_);
    std::string error;
    ASSERT_TRUE(host_.load_module(plugin, error)) << error;
  }

  // `snapshot NAME` in a script writes the picture to a scratch folder.
  std::string path(const std::string &name) const { return (dir_.path / name).string(); }
  std::string snap(const std::string &name, const std::string &title = "") const {
    return "snapshot \"" + path(name) + "\"" + (title.empty() ? "" : " \"" + title + "\"") + "\n";
  }

  void run(const std::string &script) {
    std::string error;
    ASSERT_EQ(host_.run_script(script, "test", error), qbhost::RunStatus::Ok) << error << "\ntrace:\n"
                                                                              << trace_.str();
  }

  std::unique_ptr<Node> picture(const std::string &name) {
    std::ifstream file(path(name), std::ios::binary);
    EXPECT_TRUE(file.good()) << "no picture " << name;
    std::stringstream content;
    content << file.rdbuf();
    try {
      return parse_xml(content.str());
    } catch (const std::exception &e) {
      ADD_FAILURE() << name << " is not well-formed: " << e.what();
      return std::make_unique<Node>();
    }
  }

  static std::map<int, const Node *> controls(const Node &svg) {
    std::map<int, const Node *> by_number;
    for (const Node *n : with_class(svg, "control")) by_number[std::stoi(n->attr("data-number"))] = n;
    return by_number;
  }

  qbtest::TestFolder dir_{"qb_snapshot"};
  std::ostringstream trace_;
  qbhost::Host host_;
};

TEST_F(Snapshot, ItemToolsPanelHasEveryControlAtItsPlace) {
  run("mesh Cube\nnull Pivot\nactivate QB:ItemTools\n" + snap("tools.svg") +
      "set 3 \"<Pivot & \\\"Co\\\">\"\nset 5 1\n" + snap("on.svg"));
  auto svg = picture("tools.svg");
  ASSERT_EQ(svg->tag, "svg");
  EXPECT_EQ(svg->attr("data-title"), "QB:ItemTools(1.00) ");
  EXPECT_EQ(texts(*svg, "title"), std::vector<std::string>{"QB:ItemTools(1.00) "});
  EXPECT_EQ(svg->attr("data-width"), "320");
  EXPECT_EQ(svg->attr("data-height"), "384");
  EXPECT_GE(std::stoi(svg->attr("width")), 320);
  EXPECT_GE(std::stoi(svg->attr("height")), 384);

  const auto all = controls(*svg);
  ASSERT_EQ(all.size(), 20u);
  EXPECT_EQ(svg->attr("data-controls"), "20");
  // The places are the panel's (its traces state them all); a field whose
  // label starts left of the panel keeps its negative x.
  const std::map<int, std::pair<int, int>> places = {{3, {-8, 32}}, {4, {292, 32}}, {20, {120, 352}}};
  for (const auto &[number, place] : places) {
    SCOPED_TRACE("control " + std::to_string(number));
    EXPECT_EQ(all.at(number)->attr("data-x"), std::to_string(place.first));
    EXPECT_EQ(all.at(number)->attr("data-y"), std::to_string(place.second));
  }
  for (const auto &[number, control] : all) EXPECT_EQ(control->attr("data-state"), "normal") << number;
  // Drawn where they stand: a field's label at its x, the field itself where
  // the label ends (80 for both fields); a button's frame at its x and y.
  for (int number : {3, 12}) {
    const Node &edit = *all.at(number);
    EXPECT_EQ(with_class(edit, "label").at(0)->attr("x"), edit.attr("data-x"));
    EXPECT_EQ(with_class(edit, "field").at(0)->attr("x"), "80");
  }
  EXPECT_EQ(texts(*all.at(3), "label"), std::vector<std::string>{"Parent Item"});
  EXPECT_EQ(texts(*all.at(12), "label"), std::vector<std::string>{"Item Name"});
  for (int number : {6, 9, 15, 18, 20}) {
    const Node &button = *all.at(number);
    const auto frames = find_all(button, [](const Node &n) { return n.tag == "rect"; });
    ASSERT_FALSE(frames.empty());
    const Node *frame = frames.front();
    EXPECT_EQ(frame->attr("x"), button.attr("data-x"));
    EXPECT_EQ(frame->attr("y"), button.attr("data-y"));
  }
  EXPECT_EQ(texts(*all.at(6), "label"), std::vector<std::string>{"Run"});
  EXPECT_EQ(texts(*all.at(20), "label"), std::vector<std::string>{"Close"});
  EXPECT_EQ(texts(*all.at(2), "label"),
            std::vector<std::string>{"Set selected items to child of input item"});
  // The pick buttons carry the left-arrow image, not its bytes as text.
  EXPECT_TRUE(texts(*all.at(4), "label").empty());
  EXPECT_EQ(with_class(*all.at(4), "image").size(), 1u);
  EXPECT_EQ(with_class(*svg, "host-button").size(), 0u);  // flags 64: no host buttons
  EXPECT_EQ(all.at(5)->attr("data-value"), "0");
  EXPECT_EQ(with_class(*all.at(5), "mark").size(), 0u);

  // Field texts escaped in the file read back as set; the ticked box shows its mark.
  const auto on_svg = picture("on.svg");
  const auto on = controls(*on_svg);
  EXPECT_EQ(texts(*on.at(3), "value"), std::vector<std::string>{"<Pivot & \"Co\">"});
  EXPECT_EQ(on.at(3)->attr("data-value"), "<Pivot & \"Co\">");
  EXPECT_EQ(on.at(5)->attr("data-value"), "1");
  EXPECT_EQ(with_class(*on.at(5), "mark").size(), 1u);
  EXPECT_EQ(texts(*on.at(5), "label"), std::vector<std::string>{"Parent in place"});
}

// The visibility panel on a Japanese host: decoded labels and choices,
// the camera and light rows ghosted, the bone row's active popup erased.
TEST_F(Snapshot, VisibilityPanelOnJapaneseHost) {
  run("locale 1041\nmesh Cube\nactivate QB:ItemVisible\n" + snap("visible_ja.svg"));
  auto svg = picture("visible_ja.svg");
  EXPECT_EQ(svg->attr("data-controls"), "34");
  const auto all = controls(*svg);
  EXPECT_EQ(all.size(), 33u);
  EXPECT_EQ(all.count(17), 0u) << "the bone row's active popup is erased";

  // Every label is stated by the panel's Japanese trace; the picture decodes them.
  const std::map<int, std::string> labels = {{1, "対象"}, {3, "Visible"}, {34, "実行"}};
  for (const auto &[number, label] : labels) {
    SCOPED_TRACE("control " + std::to_string(number));
    EXPECT_EQ(all.at(number)->attr("data-label"), label);
    EXPECT_EQ(texts(*all.at(number), "label"), std::vector<std::string>{label});
  }
  EXPECT_EQ(texts(*all.at(1), "value"), std::vector<std::string>{"選択アイテムと子孫"});
  EXPECT_EQ(all.at(1)->attr("data-choice"), "選択アイテムと子孫");
  EXPECT_EQ(texts(*all.at(6), "value"), std::vector<std::string>{"◇Hidden"});
  EXPECT_EQ(texts(*all.at(7), "value"), std::vector<std::string>{"○Off"});

  for (int number = 21; number <= 29; ++number) {
    if (number == 25) continue;  // the light row's own button stays active
    SCOPED_TRACE("control " + std::to_string(number));
    EXPECT_EQ(all.at(number)->attr("data-state"), "ghosted");
    EXPECT_TRUE(all.at(number)->has_class("ghosted"));
  }
  for (int number : {5, 6, 7, 8, 9, 16, 18, 19, 20, 25, 30, 34})
    EXPECT_EQ(all.at(number)->attr("data-state"), "normal");
  // Type buttons show whether their row takes part.
  EXPECT_EQ(with_class(*all.at(5), "on").size(), 1u);
  EXPECT_EQ(with_class(*all.at(20), "on").size(), 0u);
}

TEST_F(Snapshot, VisibilityPanelInEnglishFollowsTheUser) {
  run("mesh Cube\nactivate QB:ItemVisible\nset 20 1\npress 24\nset 1 4\n" + snap("visible_en.svg"));
  auto svg = picture("visible_en.svg");
  const auto all = controls(*svg);
  EXPECT_EQ(texts(*all.at(1), "label"), std::vector<std::string>{"Target"});
  EXPECT_EQ(texts(*all.at(1), "value"), std::vector<std::string>{"All Items"});
  // Ticking the camera row un-ghosts it; its Hide button sets "Hidden".
  for (int number = 20; number <= 24; ++number) EXPECT_EQ(all.at(number)->attr("data-state"), "normal");
  EXPECT_EQ(texts(*all.at(21), "value"), std::vector<std::string>{"Hidden"});
  EXPECT_EQ(all.at(26)->attr("data-state"), "ghosted");
}

// The rename panel is modal: the picture is taken while it waits, with the
// host's OK and Cancel buttons, and only the fields of the chosen mode.
TEST_F(Snapshot, RenamePanelShowsTheFieldsOfItsMode) {
  run("null Arm_L\nactivate QB:NameReplace\n" + snap("rename.svg") + "set 7 4\n" + snap("regex.svg") +
      "cancel\n");
  auto svg = picture("rename.svg");
  auto all = controls(*svg);
  EXPECT_EQ(svg->attr("data-controls"), "14");
  std::vector<int> drawn;
  for (const auto &entry : all) drawn.push_back(entry.first);
  EXPECT_EQ(drawn, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 11, 12}));
  EXPECT_EQ(texts(*all.at(7), "value"), std::vector<std::string>{"Replace"});
  EXPECT_EQ(texts(*all.at(11), "value"), std::vector<std::string>{"_L_"});
  EXPECT_EQ(texts(*all.at(12), "value"), std::vector<std::string>{"_R_"});
  EXPECT_EQ(with_class(*all.at(3), "on").size(), 1u);  // Null ticked
  EXPECT_EQ(with_class(*all.at(5), "on").size(), 0u);  // Camera not
  EXPECT_EQ(texts(*svg, "host-buttons").size(), 1u);
  std::vector<std::string> buttons;
  for (const Node *group : with_class(*svg, "host-buttons")) buttons = texts(*group, "label");
  EXPECT_EQ(buttons, (std::vector<std::string>{"OK", "Cancel"}));

  auto regex_svg = picture("regex.svg");
  auto regex = controls(*regex_svg);
  EXPECT_EQ(regex.count(11) + regex.count(12), 0u);
  EXPECT_EQ(texts(*regex.at(13), "value"), std::vector<std::string>{"_[Ll]_"});
  EXPECT_EQ(texts(*regex.at(14), "value"), std::vector<std::string>{"_R_"});
  EXPECT_EQ(texts(*regex.at(7), "value"), std::vector<std::string>{"Regular Expression"});
}

// The object replacer panel and its result list, picked by title while the
// result panel waits on top of it.
TEST_F(Snapshot, ObjectReplacerAndItsResultList) {
  const std::string car = std::string(std::getenv("QB_TEST_DATA")) + "/replace/car.lwo";
  run("mesh \"Car:Wheel (2)\" Objects/Car.lwo\nmesh Car:Door Objects/Car.lwo\nselect \"Car:Wheel (2)\"\n"
      "activate QB:ObjectReplacer\n" +
      snap("default.svg") + "set 3 \"" + car + "\"\nset 2 1\nset 4 Objects\nset 2 0\n" +
      snap("replacer.svg") + "set 1 2\npress 6\n" + snap("result.svg") +
      snap("behind.svg", "QB:ObjectReplacer(1.00)") + "close\n");

  // The file field starts with the selected mesh's file.
  EXPECT_EQ(texts(*controls(*picture("default.svg")).at(3), "value"),
            std::vector<std::string>{"Objects/Car.lwo"});
  auto replacer = picture("replacer.svg");
  const auto panel = controls(*replacer);
  ASSERT_EQ(panel.size(), 6u);
  EXPECT_EQ(texts(*panel.at(2), "picked"), std::vector<std::string>{"Select file"});
  EXPECT_EQ(texts(*panel.at(2), "item"), (std::vector<std::string>{"Select file", "Select directory"}));
  EXPECT_EQ(texts(*panel.at(3), "label"), std::vector<std::string>{"File"});
  EXPECT_EQ(texts(*panel.at(3), "value"), std::vector<std::string>{car});
  EXPECT_EQ(panel.at(3)->attr("data-state"), "normal");
  EXPECT_EQ(panel.at(4)->attr("data-state"), "ghosted");
  EXPECT_EQ(texts(*panel.at(4), "value"), std::vector<std::string>{"Objects"});
  EXPECT_EQ(texts(*panel.at(6), "label"), std::vector<std::string>{"Run"});
  EXPECT_EQ(panel.at(6)->attr("data-x"), std::to_string(400 - 3 * 8));

  auto result = picture("result.svg");
  EXPECT_EQ(result->attr("data-title"), "Result");
  EXPECT_EQ(result->attr("data-width"), "610");
  const auto lists = controls(*result);
  ASSERT_EQ(lists.size(), 1u);
  const Node &list = *lists.at(1);
  EXPECT_EQ(list.attr("data-type"), "MultiListBoxControl");
  EXPECT_EQ(list.attr("data-rows"), "2");
  ASSERT_EQ(with_class(list, "heading").size(), 1u);
  EXPECT_EQ(texts(*with_class(list, "heading")[0], "cell"),
            (std::vector<std::string>{"Item", "Layer", "File", "Result"}));
  const auto rows = with_class(list, "row");
  ASSERT_EQ(rows.size(), 2u);
  // "All Item": both meshes, in scene order; the door has no layer in the file.
  EXPECT_EQ(texts(*rows[0], "cell"), (std::vector<std::string>{"car:Wheel", "2", car, "v"}));
  EXPECT_EQ(texts(*rows[1], "cell"), (std::vector<std::string>{"Car:Door", "-", "", "o"}));
  EXPECT_EQ(rows[1]->attr("data-row"), "1");

  auto behind = picture("behind.svg");
  EXPECT_EQ(behind->attr("data-title"), "QB:ObjectReplacer(1.00) ");
  EXPECT_EQ(texts(*controls(*behind).at(1), "value"), std::vector<std::string>{"All Item"});
}

// The errors are in the traces snapshot/no_panel and snapshot/unwritable_file;
// here, that a failed statement writes no file, and a closed panel's picture.
TEST_F(Snapshot, ClosedPanelByTitle) {
  std::string error;
  EXPECT_EQ(host_.run_script(snap("none.svg"), "test", error), qbhost::RunStatus::ScriptError);
  EXPECT_FALSE(std::filesystem::exists(path("none.svg")));

  run("activate QB:ItemTools\npress 20\n" + snap("closed.svg", "QB:ItemTools(1.00)"));
  auto closed = picture("closed.svg");
  EXPECT_EQ(closed->attr("data-open"), "closed");
  EXPECT_EQ(controls(*closed).size(), 20u);
}

// Whatever a module sets, the picture stays a well-formed document of a
// sensible size: positions and sizes far out of range, texts with markup
// characters and control bytes, a list that claims a billion rows.
int huge_count(void *) { return 1000000000; }
const char *cell_text(void *, int row, int column) {
  return row < 0 ? "<head>" : column == 0 ? "a&b" : nullptr;
}
int one_wide_column(void *, int column) { return column == 0 ? INT32_MAX : 0; }

TEST(SnapshotPicture, OutOfRangeValuesAndMarkupStayDrawable) {
  qbhost::Host host;
  qbhost::HostState &state = host.state();
  qbhost::Panel panel;
  panel.title = "T<\"&\x01>";
  panel.width = INT32_MAX;
  panel.height = -5;
  std::vector<qbhost::Control> made(4);
  auto add = [&](qbhost::Control &control, const char *type, const std::string &label) {
    control.number = static_cast<int>(panel.controls.size()) + 1;
    control.type_name = type;
    control.label = label;
    panel.controls.push_back(&control);
  };
  add(made[0], "EditControl", "\x82\xA0<&>");
  made[0].x = INT32_MAX;
  made[0].y = INT32_MIN;
  made[0].width = INT32_MAX;
  made[0].kind = qbhost::ValueKind::Text;
  made[0].text_value = "]]></text><script/>";
  add(made[1], "MultiListBoxControl", "");
  made[1].desc_type = LWT_MLIST;
  made[1].visible_rows = INT32_MAX;
  made[1].count_fn = huge_count;
  made[1].name_fn = cell_text;
  made[1].col_width_fn = one_wide_column;
  add(made[2], "NoSuchControl", "odd");
  made[2].int_value = -7;
  add(made[3], "PopupControl", "gone");
  made[3].draw_mode = DR_ERASE;

  std::unique_ptr<Node> svg;
  ASSERT_NO_THROW(svg = parse_xml(qbhost::panel_svg(state, panel)));
  EXPECT_EQ(svg->attr("data-title"), "T<\"&\\x01>");
  EXPECT_EQ(svg->attr("data-controls"), "4");
  EXPECT_LT(std::stol(svg->attr("width")), 1000000);
  EXPECT_LT(std::stol(svg->attr("height")), 1000000);

  std::map<int, const Node *> drawn;
  for (const Node *n : with_class(*svg, "control")) drawn[std::stoi(n->attr("data-number"))] = n;
  ASSERT_EQ(drawn.size(), 3u);  // the erased pop-up is not drawn
  EXPECT_EQ(drawn.at(1)->attr("data-x"), std::to_string(INT32_MAX));
  EXPECT_EQ(drawn.at(1)->attr("data-label"), "\\x82\\xA0<&>");  // not Shift-JIS on an English host
  EXPECT_EQ(texts(*drawn.at(1), "value"), std::vector<std::string>{"]]></text><script/>"});
  EXPECT_EQ(drawn.at(2)->attr("data-rows"), "1000000000");
  EXPECT_EQ(with_class(*drawn.at(2), "row").size(), 1000u);  // as many as it shows at once
  EXPECT_EQ(texts(*with_class(*drawn.at(2), "heading").at(0), "cell"), std::vector<std::string>{"<head>"});
  EXPECT_EQ(texts(*with_class(*drawn.at(2), "row").at(0), "cell"), std::vector<std::string>{"a&b"});
  EXPECT_EQ(texts(*drawn.at(3), "label"), std::vector<std::string>{"odd"});
  EXPECT_EQ(texts(*drawn.at(3), "value"), std::vector<std::string>{"-7"});
}

}  // namespace
