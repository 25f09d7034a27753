#include "files/directory_path.h"

namespace morvane {

std::vector<Text> AncestorsOf(const Text& path) {
    std::vector<Text> chain;
    if (path.empty() || path[0] != u'/') return chain;
    chain.push_back(u"/");
    for (std::size_t at = 1; at <= path.size(); ++at) {
        if ((at == path.size() || path[at] == u'/') && path[at - 1] != u'/') chain.push_back(path.substr(0, at));
    }
    return chain;
}

Text JoinPath(const Text& dir, const Text& name) {
    if (!dir.empty() && dir.back() == u'/') return dir + name;
    return dir + u"/" + name;
}

Text VolumeOf(const Text& path, const std::vector<Text>& roots) {
    Text best;
    bool found = false;
    for (const Text& root : roots) {
        const bool holds = root == u"/" ? !path.empty() && path[0] == u'/'
                                        : path.compare(0, root.size(), root) == 0 &&
                                              (path.size() == root.size() || path[root.size()] == u'/');
        if (holds && (!found || root.size() > best.size())) {
            best = root;
            found = true;
        }
    }
    return best;
}

}  // namespace morvane
