// An empty program: linking it against one layer of the button, whole, proves that the layer
// needs nothing from the layers above it.
int main() {
    return 0;
}
