// Linked with every object of one layer and the layers below it: it links
// only when no object of the layer calls into a layer above.
int main() { return 0; }
