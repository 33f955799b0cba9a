// Placeholder until the first source of the build chain lands.
namespace meshsmith {}
